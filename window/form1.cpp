#include "form1.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>

#include "contrast.h"
#include "gauge_input.h"
#include "message_boxes.h"
#include "result_label.h"

namespace velkiro {
namespace {

QString Warning(gauge::GaugeCheck refusal) {
    switch (refusal) {
        case gauge::GaugeCheck::Missing:
            return QStringLiteral("DATI MANCANTI!");
        case gauge::GaugeCheck::NotNumber:
            return QStringLiteral("IL DIAMETRO AWG DEVE ESSERE UN NUMERO!");
        default:
            return QStringLiteral("UN DIAMETRO NON PUO' ESSERE ZERO O NEGATIVO!");
    }
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent), highContrast_(new HighContrast(this)) {
    ui_.setupUi(this);
    applyColours();
    connect(highContrast_, &HighContrast::changed, this, &Form1::applyColours);
    if (const QScreen* screen = QApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));

    QPushButton* ok = ui_.okButton;
    // As in a dialog: a focused button is the one Enter presses and shows
    // the default frame, which is OK's while no other button has the focus;
    // Enter in the input presses OK, and on a result it does nothing.
    ok->setAutoDefault(false);
    ok->setDefault(true);
    connect(qApp, &QApplication::focusChanged, ok, [ok](QWidget*, QWidget* now) {
        ok->setDefault(!qobject_cast<QPushButton*>(now) || now == ok);
    });
    connect(ui_.gaugeInput, &QLineEdit::returnPressed, ok, &QPushButton::click);
    connect(ok, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(ui_.resetButton, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(ui_.exitButton, &QPushButton::clicked, this, &Form1::Command3_Click);
    // Ctrl+C copies what the mouse selected in a result, which a click does
    // not focus; the input keeps Ctrl+C for its own selection.
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            [this] { ui_.diameter->copySelection() || ui_.section->copySelection(); });
    ui_.gaugeInput->setFocus();
}

// A desktop switching to a dark look in the evening, or to high contrast,
// changes the palette.
void Form1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) applyColours();
    QWidget::changeEvent(event);
}

void Form1::applyColours() {
    ui_.applyColours({palette().color(QPalette::Window), highContrast_->on(),
                      palette().color(QPalette::WindowText)});
}

void Form1::Command1_Click() {
    const std::string text = ui_.gaugeInput->text().toStdString();
    const gauge::NumberFormat format = SystemNumberFormat();
    const gauge::GaugeCheck check = gauge::CheckGauge(text, format);
    if (check != gauge::GaugeCheck::Accepted) {
        Warn(this, Warning(check));
        ui_.gaugeInput->clear();
        ui_.gaugeInput->setFocus();
        return;
    }
    const gauge::GaugeResult result = gauge::ConvertGauge(text, format);
    ui_.diameter->showResult(QString::fromStdString(result.diameter));
    ui_.section->showResult(QString::fromStdString(result.section));
}

void Form1::Command2_Click() {
    ui_.gaugeInput->clear();
    ui_.diameter->showResult({});
    ui_.section->showResult({});
    ui_.gaugeInput->setFocus();
}

void Form1::Command3_Click() {
    if (Confirm(this, QStringLiteral("Uscire dal programma?"))) close();
}

}  // namespace velkiro
