// Shot evaluation: every camera or mouse shot ends here.
#include "mainwindow.h"

void MainWindow::Shoot(QPointF Pos, QPointF Pos_Corrected, bool FromCamera)
{
    // Evaluation arrives with hit markers and game control.
    Q_UNUSED(Pos);
    Q_UNUSED(Pos_Corrected);
    Q_UNUSED(FromCamera);
}
