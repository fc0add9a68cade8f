// SPDX-License-Identifier: GPL-3.0-or-later
// FormTargetPDFTool: the target sheet generator dialog and the ring-target drawing it shares.
#pragma once

#include <QDialog>
#include <QFont>
#include <QPixmap>
#include <QPointF>
#include <QString>

class QGraphicsScene;

namespace Ui {
class FormTargetPDFTool;
}

// Lays out ring targets on an A4 page, previews the page and writes it as a PDF.
class FormTargetPDFTool : public QDialog
{
    Q_OBJECT

public:
    explicit FormTargetPDFTool(QWidget *parent = nullptr);
    ~FormTargetPDFTool() override;

    // Re-applies the translated texts after a language switch.
    void Retranslate();

    // Draws one ring target with the dialog's current ring settings into any scene.
    void DrawRingTarget(QPointF centre, QGraphicsScene *targetScene, double outerDiameter);
    void DrawPositionCross(QPointF point, double halfLength);

    void SetCircles(int circles);
    void SetInnerCircles(int innerCircles);
    void SetBullseye(bool on);
    void SetNumbers(bool left, bool right, bool top, bool bottom, bool centre);
    int GetCircles() const;
    int GetInnerCircles() const;

    // The page preview; its scene rectangle is the page in millimetres.
    QGraphicsScene *PreviewScene() const { return scene; }

signals:
    // What became of the last "PDF Erzeugen": where the file went, or why nothing was written.
    void StatusMessage(const QString &text);

public slots:
    void Redraw();
    void RescaleScene();

protected:
    void resizeEvent(QResizeEvent *event) override;
    // Asks where to write the PDF; an empty name cancels.
    virtual QString AskPdfFileName();

private slots:
    void on_pushButtonNumbersFont_clicked();
    void on_pushButtonTitleFont_clicked();
    void on_pushButtonMakePDF_clicked();

private:
    void ReportFailure(const QString &fileName, const QString &reason);
    void DrawWatermark(double pageWidth, double pageHeight);

    Ui::FormTargetPDFTool *ui;
    QGraphicsScene *scene;
    QFont titleFont;
    QFont numbersFont;
    QPixmap logo;
    // The default title as last translated, so a language switch replaces it but not the user's own title.
    QString defaultTitle;
};
