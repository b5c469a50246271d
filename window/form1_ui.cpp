#include "form1_ui.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHash>
#include <QPushButton>
#include <QResource>
#include <algorithm>
#include <array>
#include <numeric>
#include <variant>

#include "contrast.h"
#include "frame_style.h"
#include "gauge_input.h"
#include "picture_button.h"
#include "result_label.h"

namespace velkiro {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr QSize kClientTwips(5535, 7350);
constexpr QSize kExitPicture(28, 29);

// A Row is a label whose blanks line up a second column.
enum class Kind { Label, Result, Row, TextBox, Button, PictureButton, Frame };

// Where a control the commands use is kept.
using Member = std::variant<std::monostate, GaugeInput * Form1Ui::*, ResultLabel * Form1Ui::*,
                            QPushButton * Form1Ui::*>;

struct Control {
    const char* name;
    Kind kind;
    const char* container;  // null: the window itself
    QRect twips;            // left, top, width, height
    const char* text;
    qreal points;   // 0: no font of its own
    QColor colour;  // invalid: the standard text colour
    Qt::Alignment align;
    int tabIndex;
    Member member;
};

constexpr QColor kBlue(0, 0, 192), kGreen(0, 192, 0), kMagenta(255, 0, 255), kRed(255, 0, 0);
constexpr QColor kStandard;
constexpr Qt::Alignment kLeft = Qt::AlignLeft, kCentre = Qt::AlignHCenter;

// One control in two lines: name, kind, container, place; text, font size,
// colour, alignment, tab index, member. The rows of "ECCEZIONI" line up
// their second column with three blanks for every O they lack.
// clang-format off
constexpr Control kControls[] = {
    {"Label1",   Kind::Label,   nullptr,  {120, 120, 5055, 375},
     "CONVERTITORE per diametro fili", 13.5, kBlue, kCentre, 4, {}},
    {"Label9",   Kind::Label,   nullptr,  {840, 480, 3615, 375},
     "AWG in mm e sezione", 13.5, kBlue, kCentre, 14, {}},
    {"Frame1",   Kind::Frame,   nullptr,  {420, 1080, 4455, 5055},
     "", 0, kStandard, kLeft, 5, {}},
    {"Label2",   Kind::Label,   "Frame1", {600, 360, 1095, 375},
     "AWG", 13.5, kStandard, kCentre, 6, {}},
    {"Text1",    Kind::TextBox, "Frame1", {1680, 360, 735, 375},
     "", 13.5, kStandard, kLeft, 0, &Form1Ui::gaugeInput},
    {"Command1", Kind::Button,  "Frame1", {3000, 360, 855, 375},
     "OK", 9.75, kStandard, kCentre, 1, &Form1Ui::okButton},
    {"Label8",   Kind::Label,   "Frame1", {600, 1080, 855, 375},
     "mm", 13.5, kGreen, kCentre, 13, {}},
    {"Label3",   Kind::Result,  "Frame1", {1680, 1080, 1335, 375},
     "", 13.5, kGreen, kLeft, 7, &Form1Ui::diameter},
    {"Label11",  Kind::Label,   "Frame1", {600, 1680, 735, 375},
     "mmq", 13.5, kMagenta, kLeft, 16, {}},
    {"Label10",  Kind::Result,  "Frame1", {1680, 1680, 1455, 375},
     "", 13.5, kMagenta, kLeft, 15, &Form1Ui::section},
    {"Frame2",   Kind::Frame,   "Frame1", {480, 2400, 3495, 1815},
     "ECCEZIONI", 9.75, kRed, kLeft, 8, {}},
    {"Label4",   Kind::Row,     "Frame2", {120, 360, 3135, 255},
     "AWG = O               mm = 8.251", 9.75, kStandard, kLeft, 9, {}},
    {"Label5",   Kind::Row,     "Frame2", {120, 720, 3135, 255},
     "AWG = OO            mm = 9.266", 9.75, kStandard, kLeft, 10, {}},
    {"Label6",   Kind::Row,     "Frame2", {120, 1080, 3135, 255},
     "AWG = OOO         mm = 10.405", 9.75, kStandard, kLeft, 11, {}},
    {"Label7",   Kind::Row,     "Frame2", {120, 1440, 3135, 255},
     "AWG = OOOO      mm = 11.684", 9.75, kStandard, kLeft, 12, {}},
    {"Command2", Kind::Button,  "Frame1", {1080, 4440, 2295, 375},
     "Ripeti calcolo", 12, kStandard, kCentre, 2, &Form1Ui::resetButton},
    {"Command3", Kind::PictureButton, nullptr, {2040, 6480, 1215, 735},
     "ESCI", 8.25, kStandard, kCentre, 3, &Form1Ui::exitButton},
};
// clang-format on

// The design is drawn on the screen's pixel grid: a place between two
// pixels would be cut by the conversion, and a tab index given twice or
// skipped would leave the tab order to chance.
constexpr bool OnPixelGrid(const QRect& twips) {
    const int values[] = {twips.x(), twips.y(), twips.width(), twips.height()};
    return std::ranges::none_of(values, [](int value) { return value % kTwipsPerPixel; });
}
static_assert(OnPixelGrid({{}, kClientTwips}), "the window's size is a whole number of pixels");
static_assert(std::ranges::all_of(kControls, OnPixelGrid, &Control::twips),
              "every place is a whole number of pixels");
constexpr auto kTabOrder = [] {
    std::array<int, std::size(kControls)> order{};
    std::iota(order.begin(), order.end(), 0);
    return order;
}();
static_assert(std::ranges::is_permutation(kControls, kTabOrder, {}, &Control::tabIndex),
              "the tab indices are 0, 1, 2 and on, each once");

QRect ToPixels(const QRect& twips) {
    return {twips.topLeft() / kTwipsPerPixel, twips.size() / kTwipsPerPixel};
}

// "MS Sans Serif" where the platform has it as a scalable font. Elsewhere
// (on Windows it is a bitmap font that Qt would replace by a serif face) the
// embedded Velkiro Sans Bold (Liberation Sans Bold, cut to Latin by
// assets/subset-font), close in width: the same look on every machine.
QFont UiFont(qreal points) {
    static const QString family = [] {
        QString preferred = QStringLiteral("MS Sans Serif");
        if (QFontDatabase::isSmoothlyScalable(preferred)) return preferred;
        // The resource lies uncompressed in the executable: on Linux FreeType
        // reads it there, with no copy in memory.
        const QResource font(QStringLiteral(":/velkiro/VelkiroSans-Bold.ttf"));
        const int id = QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
            reinterpret_cast<const char*>(font.data()), static_cast<qsizetype>(font.size())));
        return QFontDatabase::applicationFontFamilies(id).value(0, QStringLiteral("Sans Serif"));
    }();
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

// The rows line up their second column with three blanks for every O they
// lack, which assumes an O as wide as three blanks. Spacing every character
// by half the difference makes that true in any font.
QFont RowFont(QFont font) {
    // Where the platform rounds advances to whole pixels (Windows hints them),
    // no spacing can make the columns meet: there, the font's own advances.
    QFont design = font;
    design.setHintingPreference(QFont::PreferNoHinting);
    if (QFontMetricsF(font).horizontalAdvance(u' ') !=
        QFontMetricsF(design).horizontalAdvance(u' '))
        font = design;
    const QFontMetricsF metrics(font);
    const qreal excess = metrics.horizontalAdvance(u'O') - 3 * metrics.horizontalAdvance(u' ');
    font.setLetterSpacing(QFont::AbsoluteSpacing, excess / 2);
    return font;
}

// Keeps `widget` in the member named by the control's row, if any, as the
// member's type: the kind decides the class, so the two always agree.
template <class Widget>
Widget* Keep(Form1Ui& ui, const Control& control, Widget* widget) {
    if (const auto* member = std::get_if<Widget * Form1Ui::*>(&control.member))
        ui.*(*member) = widget;
    return widget;
}

QWidget* Create(Form1Ui& ui, const Control& control, QWidget* container, QStyle* frameStyle) {
    switch (control.kind) {
        case Kind::Row:
        case Kind::Label:
        case Kind::Result: {
            auto* label = control.kind == Kind::Result
                              ? Keep(ui, control, new ResultLabel(container))
                              : new QLabel(container);
            label->setText(control.text);
            label->setAlignment(control.align | Qt::AlignVCenter);
            label->setAutoFillBackground(true);  // opaque on the face colour
            return label;
        }
        case Kind::TextBox:
            return Keep(ui, control, new GaugeInput(container));
        case Kind::Button:
        case Kind::PictureButton: {
            // QIcon also takes exit@2x.png, for screens of twice the density.
            QPushButton* button =
                control.kind == Kind::Button
                    ? new QPushButton(control.text, container)
                    : new PictureButton(QIcon(QStringLiteral(":/velkiro/exit.png")), kExitPicture,
                                        control.text, container);
            button->setAutoDefault(true);  // Enter on the focused button clicks it
            return Keep(ui, control, button);
        }
        case Kind::Frame: {
            auto* frame = new QGroupBox(control.text, container);
            frame->setStyle(frameStyle);
            return frame;
        }
    }
    return nullptr;
}

}  // namespace

void Form1Ui::setupUi(QWidget* form1) {
    form1->setObjectName(QStringLiteral("Form1"));
    form1->setWindowTitle(QStringLiteral(VELKIRO_TITLE));
#ifndef Q_OS_WIN
    // On Windows the window shows the program's own icon (IDI_ICON1), the
    // same pictures, which the system has loaded already: decoding them
    // again would only slow the start.
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/velkiro/velkiro-%1.png").arg(size), QSize(size, size));
    form1->setWindowIcon(icon);
#endif
    form1->setFixedSize(kClientTwips / kTwipsPerPixel);
    // Fixed on Windows too: a thin border, no sizing and no maximise button.
    form1->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);

    frameStyle_ = new FrameStyle;
    frameStyle_->setParent(form1);
    QHash<QByteArray, QWidget*> containers;
    std::vector<std::pair<int, QWidget*>> tabChain;  // tab index, control
    for (const Control& control : kControls) {
        QWidget* container = control.container ? containers.value(control.container) : form1;
        QWidget* widget = Create(*this, control, container, frameStyle_);
        containers.insert(control.name, widget);
        widget->setObjectName(QLatin1String(control.name));
        widget->setGeometry(ToPixels(control.twips));
        if (control.points > 0) {
            const QFont font = UiFont(control.points);
            widget->setFont(control.kind == Kind::Row ? RowFont(font) : font);
        }
        // A frame's caption takes its colour from the Text role, which the
        // labels inside (drawn in WindowText) do not inherit.
        if (control.colour.isValid())
            coloured_.push_back(
                {widget, control.kind == Kind::Frame ? QPalette::Text : QPalette::WindowText,
                 control.colour});
        if (widget->focusPolicy() != Qt::NoFocus) tabChain.emplace_back(control.tabIndex, widget);
    }
    // Tab follows the tab indices: the input, the buttons, then the results,
    // which stop it only while they show one.
    std::ranges::sort(tabChain);
    for (std::size_t i = 1; i < tabChain.size(); ++i)
        QWidget::setTabOrder(tabChain[i - 1].second, tabChain[i].second);
    diameter->showResult({});
    section->showResult({});

    gaugeInput->setAccessibleName(QStringLiteral("Calibro AWG"));
    // A label's text is its accessible name, so the results keep theirs and
    // are described instead.
    diameter->setAccessibleDescription(QStringLiteral("Diametro in mm"));
    section->setAccessibleDescription(QStringLiteral("Sezione in mm quadrati"));
}

void Form1Ui::applyColours(const Look& look) const {
    frameStyle_->highContrast = look.highContrast;
    for (const Coloured& coloured : coloured_) {
        QPalette own;  // only this role of the control's own; the rest follows the window
        own.setColor(coloured.role, TextColourOn(coloured.colour, look));
        coloured.control->setPalette(own);
        coloured.control->update();  // a frame's lines follow the setting too
    }
}

}  // namespace velkiro
