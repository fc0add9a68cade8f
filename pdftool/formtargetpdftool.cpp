// SPDX-License-Identifier: GPL-3.0-or-later
// FormTargetPDFTool: builds the target sheet preview and writes it to a PDF file.
#include "formtargetpdftool.h"
#include "ui_formtargetpdftool.h"

#include "sheetlayout.h"

#include "filesuffix.h"
#include "savefailure.h"


#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QGraphicsEllipseItem>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

namespace {

constexpr double NumbersZ = 900;
constexpr double CrossHalfLength = 5;
const char *const LogoResource = ":/Gui/Img/FieldshotLogo.png";

// The product's own line under the logo; deliberately no web address.
QString WatermarkText()
{
    return QStringLiteral("Fieldshot");
}

QPen RingPen(const QColor &colour, double width)
{
    return QPen(QBrush(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

FormTargetPDFTool::FormTargetPDFTool(QWidget *parent)
    : QDialog(parent),
      ui(new Ui::FormTargetPDFTool),
      scene(new QGraphicsScene(this)),
      titleFont(QGuiApplication::font()),
      numbersFont(QGuiApplication::font())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    numbersFont.setPointSize(5);
    defaultTitle = tr("Titel");
    ui->lineEditTitle->setText(defaultTitle);

    logo = QPixmap(QString::fromLatin1(LogoResource));

    scene->setBackgroundBrush(QBrush(Qt::white, Qt::SolidPattern));
    scene->setSceneRect(QRectF(QPointF(0, 0), SheetLayout::PageSize(false)));
    ui->graphicsView->setScene(scene);

    for (QSpinBox *box : ui->frameParams->findChildren<QSpinBox *>())
        connect(box, SIGNAL(valueChanged(int)), this, SLOT(Redraw()));
    for (QDoubleSpinBox *box : ui->frameParams->findChildren<QDoubleSpinBox *>())
        connect(box, SIGNAL(valueChanged(double)), this, SLOT(Redraw()));
    for (QLineEdit *edit : ui->frameParams->findChildren<QLineEdit *>())
        connect(edit, SIGNAL(textChanged(QString)), this, SLOT(Redraw()));
    for (QCheckBox *box : ui->frameParams->findChildren<QCheckBox *>())
        connect(box, SIGNAL(toggled(bool)), this, SLOT(Redraw()));
    connect(ui->radioButtonPortrait, SIGNAL(clicked(bool)), this, SLOT(RescaleScene()));
    connect(ui->radioButtonLandscape, SIGNAL(clicked(bool)), this, SLOT(RescaleScene()));

    Redraw();
    // The frame has its final size only once the dialog has been laid out.
    QTimer::singleShot(500, this, &FormTargetPDFTool::RescaleScene);
}

FormTargetPDFTool::~FormTargetPDFTool()
{
    delete ui;
}

void FormTargetPDFTool::Retranslate()
{
    const bool titleUntouched = ui->lineEditTitle->text() == defaultTitle;
    ui->retranslateUi(this);
    defaultTitle = tr("Titel");
    if (titleUntouched)
        ui->lineEditTitle->setText(defaultTitle);
}

void FormTargetPDFTool::DrawRingTarget(QPointF centre, QGraphicsScene *targetScene, double outerDiameter)
{
    if (!targetScene)
        return;
    const int n = ui->spinBoxKreise->value();
    // Without circles there is no ring step, so nothing is drawn.
    if (n < 1)
        return;
    const int m = SheetLayout::ClampedInnerCircles(ui->spinBoxInnereKreise->value(), n);
    const double lw = ui->doubleSpinBoxLineWidth->value();
    const double s = SheetLayout::RingStep(outerDiameter, n);

    struct Side {
        QCheckBox *box;
        SheetLayout::NumberSide side;
    };
    const Side sides[] = {
        { ui->checkBoxNumLeft, SheetLayout::NumberSide::Left },
        { ui->checkBoxNumRight, SheetLayout::NumberSide::Right },
        { ui->checkBoxNumTop, SheetLayout::NumberSide::Top },
        { ui->checkBoxNumBot, SheetLayout::NumberSide::Bottom },
    };

    for (int i = 1; i <= n; ++i) {
        const bool inner = i <= m;
        const QRectF rect = SheetLayout::CircleRect(centre, SheetLayout::CircleDiameter(i, s));
        QGraphicsEllipseItem *circle = inner
            ? targetScene->addEllipse(rect, RingPen(Qt::white, lw), QBrush(Qt::black, Qt::SolidPattern))
            : targetScene->addEllipse(rect, RingPen(Qt::black, lw), Qt::NoBrush);
        circle->setZValue(900 - i);

        if (i < 2)
            continue;
        const QString number = QString::number(SheetLayout::RingNumber(n, i));
        const QRectF bounds = circle->boundingRect();
        for (const Side &side : sides) {
            if (!side.box->isChecked())
                continue;
            QGraphicsSimpleTextItem *text = targetScene->addSimpleText(number, numbersFont);
            text->setBrush(inner ? Qt::white : Qt::black);
            text->setZValue(NumbersZ);
            text->setPos(SheetLayout::NumberTopLeft(side.side, bounds, centre, s,
                                                    text->boundingRect().size()));
        }
    }

    if (ui->checkBoxBullseye->isChecked()) {
        const QRectF rect = SheetLayout::CircleRect(centre, SheetLayout::BullseyeDiameter(s));
        QGraphicsEllipseItem *bullseye = m == 0
            ? targetScene->addEllipse(rect, RingPen(Qt::black, lw), Qt::NoBrush)
            : targetScene->addEllipse(rect, RingPen(Qt::white, lw), QBrush(Qt::black, Qt::SolidPattern));
        bullseye->setZValue(900);
    }

    if (ui->checkBoxNumCenter->isChecked()) {
        QGraphicsSimpleTextItem *text = targetScene->addSimpleText(QString::number(n), numbersFont);
        text->setBrush(m > 0 ? Qt::white : Qt::black);
        text->setZValue(NumbersZ);
        text->setPos(SheetLayout::CentredTopLeft(centre, text->boundingRect().size()));
    }
}

void FormTargetPDFTool::DrawPositionCross(QPointF point, double halfLength)
{
    const QPen pen(QBrush(Qt::black), 0.5, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    scene->addLine(point.x(), point.y() - halfLength, point.x(), point.y() + halfLength, pen);
    scene->addLine(point.x() - halfLength, point.y(), point.x() + halfLength, point.y(), pen);
}

void FormTargetPDFTool::SetCircles(int circles)
{
    ui->spinBoxKreise->setValue(circles);
}

void FormTargetPDFTool::SetInnerCircles(int innerCircles)
{
    ui->spinBoxInnereKreise->setValue(innerCircles);
}

void FormTargetPDFTool::SetBullseye(bool on)
{
    ui->checkBoxBullseye->setChecked(on);
}

void FormTargetPDFTool::SetNumbers(bool left, bool right, bool top, bool bottom, bool centre)
{
    ui->checkBoxNumLeft->setChecked(left);
    ui->checkBoxNumRight->setChecked(right);
    ui->checkBoxNumTop->setChecked(top);
    ui->checkBoxNumBot->setChecked(bottom);
    ui->checkBoxNumCenter->setChecked(centre);
}

int FormTargetPDFTool::GetCircles() const
{
    return ui->spinBoxKreise->value();
}

int FormTargetPDFTool::GetInnerCircles() const
{
    return ui->spinBoxInnereKreise->value();
}

void FormTargetPDFTool::Redraw()
{
    scene->clear();

    const int circles = ui->spinBoxKreise->value();
    if (ui->spinBoxInnereKreise->value() > circles) {
        // Lowering the value emits valueChanged, which builds the page afresh.
        ui->spinBoxInnereKreise->setValue(SheetLayout::ClampedInnerCircles(ui->spinBoxInnereKreise->value(), circles));
        return;
    }

    const QSizeF page = scene->sceneRect().size();
    const double diameter = ui->doubleSpinBoxOuterDiameter->value();
    const QVector<QPointF> centres = SheetLayout::TargetCentres(
        page, diameter, ui->spinBoxTargetsX->value(), ui->spinBoxTargetsY->value(),
        ui->doubleSpinBoxDistX->value(), ui->doubleSpinBoxDistY->value());
    for (const QPointF &centre : centres) {
        DrawRingTarget(centre, scene, diameter);
        if (ui->checkBoxPositionCrosses->isChecked()) {
            for (const QPointF &corner : SheetLayout::CrossPoints(centre, diameter))
                DrawPositionCross(corner, CrossHalfLength);
        }
    }

    QGraphicsSimpleTextItem *title = scene->addSimpleText(ui->lineEditTitle->text(), titleFont);
    title->setPos(SheetLayout::TitleTopLeft(page.width(), title->boundingRect().size()));

    if (ui->checkBoxWatermark->isChecked())
        DrawWatermark(page.width(), page.height());
}

void FormTargetPDFTool::DrawWatermark(double pageWidth, double pageHeight)
{
    const QSizeF page(pageWidth, pageHeight);
    QGraphicsPixmapItem *logoItem = scene->addPixmap(logo);
    logoItem->setTransformationMode(Qt::SmoothTransformation);
    logoItem->setTransform(QTransform::fromScale(SheetLayout::LogoScale, SheetLayout::LogoScale));
    logoItem->setPos(SheetLayout::LogoTopLeft(page, logo.size()));

    QFont font(QStringLiteral("Arial"));
    font.setPointSize(5);
    QGraphicsSimpleTextItem *text = scene->addSimpleText(WatermarkText(), font);
    text->setPos(SheetLayout::WatermarkTextTopLeft(page, text->boundingRect().width()));
}

void FormTargetPDFTool::RescaleScene()
{
    const QSizeF page = SheetLayout::PageSize(!ui->radioButtonPortrait->isChecked());
    double scale = 1;
    const QRect viewRect = SheetLayout::PreviewViewRect(ui->framePreview->size(), page, &scale);
    ui->graphicsView->setGeometry(viewRect);
    scene->setSceneRect(QRectF(QPointF(0, 0), page));
    ui->graphicsView->setTransform(QTransform::fromScale(scale, scale));
    Redraw();
}

void FormTargetPDFTool::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    RescaleScene();
}

QString FormTargetPDFTool::AskPdfFileName()
{
    return QFileDialog::getSaveFileName(this, tr("Save File"), QDir::currentPath(),
                                        QStringLiteral("pdf(*.pdf)"));
}

void FormTargetPDFTool::on_pushButtonNumbersFont_clicked()
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, numbersFont, nullptr, QString());
    if (!ok)
        return;
    numbersFont = font;
    Redraw();
}

void FormTargetPDFTool::on_pushButtonTitleFont_clicked()
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, titleFont, nullptr, QString());
    if (!ok)
        return;
    titleFont = font;
    Redraw();
}

void FormTargetPDFTool::on_pushButtonMakePDF_clicked()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(ui->radioButtonPortrait->isChecked() ? QPageLayout::Portrait
                                                                     : QPageLayout::Landscape);
    printer.setOutputFormat(QPrinter::PdfFormat);
    // The scene is the whole sheet; printer margins would shrink and shift it.
    printer.setFullPage(true);

    // Without an extension the file would not show under the dialog's "pdf(*.pdf)" filter.
    const QString fileName = WithDefaultSuffix(AskPdfFileName(), QStringLiteral("pdf"));
    if (fileName.isEmpty())
        return;
    // The printer writes into a file of its own, copied over the chosen one only when complete,
    // so a failed write leaves an older PDF as it was and names its reason.
    QTemporaryDir work;
    const QString draft = work.filePath(QStringLiteral("sheet.pdf"));
    printer.setOutputFileName(draft);

    QPainter painter;
    if (!work.isValid() || !painter.begin(&printer)) {
        ReportFailure(fileName, work.isValid() ? tr("die Druckausgabe lässt sich nicht öffnen") : work.errorString());
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    scene->render(&painter, QRectF(), QRectF(), Qt::KeepAspectRatio);
    painter.end();

    QFile written(draft);
    if (!written.open(QIODevice::ReadOnly) || written.size() == 0) {
        ReportFailure(fileName, written.errorString());
        return;
    }
    const QByteArray bytes = written.readAll();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        ReportFailure(fileName, file.errorString());
        return;
    }
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = SaveFailure::Reason(file, fileName, bytes.size());
        file.cancelWriting();
        file.commit();
        ReportFailure(fileName, reason);
        return;
    }
    if (!file.commit()) {
        ReportFailure(fileName, file.errorString());
        return;
    }
    emit StatusMessage(tr("PDF gespeichert: %1").arg(QDir::toNativeSeparators(fileName)));
}

void FormTargetPDFTool::ReportFailure(const QString &fileName, const QString &reason)
{
    emit StatusMessage(tr("Nichts gespeichert: %1 (%2)").arg(QDir::toNativeSeparators(fileName), reason));
}
