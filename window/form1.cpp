#include "form1.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QResource>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <algorithm>
#include <limits>
#include <vector>

#include "contrast.h"
#include "frame_style.h"
#include "picture_button.h"
#include "toolkit_texts.h"

namespace velkiro {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr QSize kClientTwips(5535, 7350);
constexpr QSize kExitPicture(28, 29);

enum class Kind {
    Label,
    Result,  // a label whose text can be selected and copied
    Row,     // a label whose blanks line up a second column
    TextBox,
    Button,
    PictureButton,
    Frame,
};

struct Control {
    const char* name;
    Kind kind;
    const char* container;  // null: the window itself
    QRect twips;            // left, top, width, height
    QString text;
    qreal points;   // 0: no font of its own
    QColor colour;  // invalid: the standard text colour
    Qt::Alignment align;
    int tabIndex;
};

// A row of the "ECCEZIONI" panel; the blanks line up the second column.
QString ExceptionRow(const char* gauge, int blanks, const char* millimetres) {
    return QStringLiteral("AWG = %1%2mm = %3").arg(gauge, QString(blanks, u' '), millimetres);
}

const std::vector<Control>& Controls() {
    const QColor blue(0, 0, 192), green(0, 192, 0), magenta(255, 0, 255), red(255, 0, 0);
    const QColor standard;
    const Qt::Alignment left = Qt::AlignLeft, centre = Qt::AlignHCenter;
    // clang-format off
    static const std::vector<Control> controls = {
        {"Label1",   Kind::Label,   nullptr,  {120, 120, 5055, 375}, "CONVERTITORE per diametro fili", 13.5, blue, centre, 4},
        {"Label9",   Kind::Label,   nullptr,  {840, 480, 3615, 375}, "AWG in mm e sezione", 13.5, blue, centre, 14},
        {"Frame1",   Kind::Frame,   nullptr,  {420, 1080, 4455, 5055}, "", 0, standard, left, 5},
        {"Label2",   Kind::Label,   "Frame1", {600, 360, 1095, 375}, "AWG", 13.5, standard, centre, 6},
        {"Text1",    Kind::TextBox, "Frame1", {1680, 360, 735, 375}, "", 13.5, standard, left, 0},
        {"Command1", Kind::Button,  "Frame1", {3000, 360, 855, 375}, "OK", 9.75, standard, centre, 1},
        {"Label8",   Kind::Label,   "Frame1", {600, 1080, 855, 375}, "mm", 13.5, green, centre, 13},
        {"Label3",   Kind::Result,  "Frame1", {1680, 1080, 1335, 375}, "", 13.5, green, left, 7},
        {"Label11",  Kind::Label,   "Frame1", {600, 1680, 735, 375}, "mmq", 13.5, magenta, left, 16},
        {"Label10",  Kind::Result,  "Frame1", {1680, 1680, 1455, 375}, "", 13.5, magenta, left, 15},
        {"Frame2",   Kind::Frame,   "Frame1", {480, 2400, 3495, 1815}, "ECCEZIONI", 9.75, red, left, 8},
        {"Label4",   Kind::Row,     "Frame2", {120, 360, 3135, 255}, ExceptionRow("O", 15, "8.251"), 9.75, standard, left, 9},
        {"Label5",   Kind::Row,     "Frame2", {120, 720, 3135, 255}, ExceptionRow("OO", 12, "9.266"), 9.75, standard, left, 10},
        {"Label6",   Kind::Row,     "Frame2", {120, 1080, 3135, 255}, ExceptionRow("OOO", 9, "10.405"), 9.75, standard, left, 11},
        {"Label7",   Kind::Row,     "Frame2", {120, 1440, 3135, 255}, ExceptionRow("OOOO", 6, "11.684"), 9.75, standard, left, 12},
        {"Command2", Kind::Button,  "Frame1", {1080, 4440, 2295, 375}, "Ripeti calcolo", 12, standard, centre, 2},
        {"Command3", Kind::PictureButton, nullptr, {2040, 6480, 1215, 735}, "ESCI", 8.25, standard, centre, 3},
    };
    // clang-format on
    return controls;
}

QRect ToPixels(const QRect& twips) {
    return {twips.x() / kTwipsPerPixel, twips.y() / kTwipsPerPixel, twips.width() / kTwipsPerPixel,
            twips.height() / kTwipsPerPixel};
}

// "MS Sans Serif" where the platform has it as a scalable font. Elsewhere,
// Windows included, where it is a bitmap font that Qt cannot scale and would
// replace by a serif face, the embedded Liberation Sans Bold, close in width:
// the same look on every machine.
QFont UiFont(qreal points) {
    static const QString family = [] {
        QString preferred = QStringLiteral("MS Sans Serif");
        if (QFontDatabase::isSmoothlyScalable(preferred)) return preferred;
        // The resource lies uncompressed in the executable: FreeType reads it
        // there, with no copy in memory.
        const QResource font(QStringLiteral(":/velkiro/LiberationSans-Bold.ttf"));
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
    // Where the platform rounds advances to whole pixels (Windows' FreeType
    // engine hints them), no spacing can make the columns meet: such rows are
    // drawn with the font's own advances.
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

// A result can be selected with the mouse, and its menu copies it whole, as
// shown; it still never takes the keyboard focus.
void MakeCopyable(QLabel* result) {
    result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    result->setFocusPolicy(Qt::NoFocus);
    result->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(result, &QLabel::customContextMenuRequested, result, [result](QPoint at) {
        if (result->text().isEmpty()) return;  // nothing to copy
        auto* menu = new QMenu(result);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addAction(QStringLiteral("Copia"), result,
                        [result] { QGuiApplication::clipboard()->setText(result->text()); });
        menu->popup(result->mapToGlobal(at));
    });
}

QWidget* Create(const Control& control, QWidget* container, QStyle* frameStyle) {
    switch (control.kind) {
        case Kind::Row:
        case Kind::Label:
        case Kind::Result: {
            auto* label = new QLabel(control.text, container);
            label->setAlignment(control.align | Qt::AlignVCenter);
            label->setAutoFillBackground(true);  // opaque on the face colour
            if (control.kind == Kind::Result) MakeCopyable(label);
            return label;
        }
        case Kind::TextBox: {
            auto* text = new QLineEdit(control.text, container);
            text->setMaxLength(std::numeric_limits<int>::max());  // no length limit
            return text;
        }
        case Kind::Button: {
            auto* button = new QPushButton(control.text, container);
            button->setAutoDefault(true);  // Enter on the focused button clicks it
            return button;
        }
        case Kind::PictureButton: {
            // QIcon also takes exit@2x.png, for screens of twice the density.
            auto* button = new PictureButton(QIcon(QStringLiteral(":/velkiro/exit.png")),
                                             kExitPicture, control.text, container);
            button->setAutoDefault(true);
            return button;
        }
        case Kind::Frame: {
            auto* frame = new QGroupBox(control.text, container);
            frame->setStyle(frameStyle);
            return frame;
        }
    }
    return nullptr;
}

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

gauge::NumberFormat SystemNumberFormat() {
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

Form1::Form1(std::unique_ptr<MessageBoxes> boxes, NumberFormatSource numberFormat, QWidget* parent)
    : QWidget(parent), boxes_(std::move(boxes)), numberFormat_(std::move(numberFormat)) {
    setObjectName(QStringLiteral("Form1"));
    QApplication::installTranslator(new ToolkitTexts(this));
    setWindowTitle(QStringLiteral("Velkiro - by Sobrenti"));
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/velkiro/velkiro-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
    setFixedSize(kClientTwips / kTwipsPerPixel);
    if (const QScreen* screen = QApplication::primaryScreen()) {
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
    }

    buildControls();
    applyColours();

    auto* command1 = findChild<QPushButton*>(QStringLiteral("Command1"));
    // As in a dialog: a focused button is the one Enter presses and shows
    // the default frame; anywhere else that is OK.
    command1->setAutoDefault(false);
    command1->setDefault(true);
    connect(qApp, &QApplication::focusChanged, command1, [command1](QWidget*, QWidget* now) {
        command1->setDefault(!qobject_cast<QPushButton*>(now) || now == command1);
    });
    connect(text1_, &QLineEdit::returnPressed, command1, &QPushButton::click);
    text1_->installEventFilter(this);
    // Ctrl+C copies what is selected in a result, which never has the focus;
    // in the input, its own selection comes first (see eventFilter).
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &Form1::copyResultSelection);
    label3_->installEventFilter(this);
    label10_->installEventFilter(this);
    connect(command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(findChild<QPushButton*>(QStringLiteral("Command2")), &QPushButton::clicked, this,
            &Form1::Command2_Click);
    connect(findChild<QPushButton*>(QStringLiteral("Command3")), &QPushButton::clicked, this,
            &Form1::Command3_Click);

    text1_->setAccessibleName(QStringLiteral("Calibro AWG"));
    // A label's text is its accessible name, so the results keep theirs and
    // are described instead.
    label3_->setAccessibleDescription(QStringLiteral("Diametro in mm"));
    label10_->setAccessibleDescription(QStringLiteral("Sezione in mm quadrati"));
    text1_->setFocus();
}

void Form1::buildControls() {
    auto* frameStyle = new FrameStyle;
    frameStyle->setParent(this);
    std::vector<std::pair<int, QWidget*>> focusable;
    for (const Control& control : Controls()) {
        QWidget* container =
            control.container ? findChild<QWidget*>(QLatin1String(control.container)) : this;
        QWidget* widget = Create(control, container, frameStyle);
        widget->setObjectName(QLatin1String(control.name));
        widget->setGeometry(ToPixels(control.twips));
        if (control.points > 0) {
            const QFont font = UiFont(control.points);
            widget->setFont(control.kind == Kind::Row ? RowFont(font) : font);
        }
        if (widget->focusPolicy() != Qt::NoFocus) focusable.emplace_back(control.tabIndex, widget);
    }
    std::sort(focusable.begin(), focusable.end());
    for (std::size_t i = 1; i < focusable.size(); ++i)
        setTabOrder(focusable[i - 1].second, focusable[i].second);

    text1_ = findChild<QLineEdit*>(QStringLiteral("Text1"));
    label3_ = findChild<QLabel*>(QStringLiteral("Label3"));
    label10_ = findChild<QLabel*>(QStringLiteral("Label10"));
}

// The fixed text colours, as described on a light face and lightened on a
// dark one; a frame's caption takes its colour from the Text role.
void Form1::applyColours() {
    const QColor face = palette().color(QPalette::Window);
    for (const Control& control : Controls()) {
        if (!control.colour.isValid()) continue;
        QPalette own;  // only this role of the control's own; the rest follows the window
        own.setColor(control.kind == Kind::Frame ? QPalette::Text : QPalette::WindowText,
                     TextColourOn(control.colour, face));
        findChild<QWidget*>(QLatin1String(control.name))->setPalette(own);
    }
}

// A desktop switching to a dark look in the evening changes the palette.
void Form1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) applyColours();
    QWidget::changeEvent(event);
}

bool Form1::copyResultSelection() {
    for (const QLabel* result : {label3_, label10_}) {
        if (result->hasSelectedText()) {
            QGuiApplication::clipboard()->setText(result->selectedText());
            return true;
        }
    }
    return false;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // One selection among the results at a time, so Ctrl+C copies the last one made.
    if (event->type() == QEvent::MouseButtonPress && watched != text1_)
        (watched == label3_ ? label10_ : label3_)->setSelection(0, 0);
    const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
    if (watched != text1_ || !key) return QWidget::eventFilter(watched, event);
    // The keypad's decimal key types the decimal separator the calculation
    // reads, as in a spreadsheet, when the keyboard sends it as that key.
    if (key->modifiers().testFlag(Qt::KeypadModifier) &&
        (key->key() == Qt::Key_Period || key->key() == Qt::Key_Comma)) {
        text1_->insert(QString::fromStdString(numberFormat_().decimalSeparator));
        return true;
    }
    if (key->matches(QKeySequence::Copy) && !text1_->hasSelectedText())
        return copyResultSelection();
    return QWidget::eventFilter(watched, event);
}

void Form1::Command1_Click() {
    const std::string text = text1_->text().toStdString();
    const gauge::NumberFormat format = numberFormat_();
    const gauge::GaugeCheck check = gauge::CheckGauge(text, format);
    if (check != gauge::GaugeCheck::Accepted) {
        boxes_->warn(this, Warning(check));
        text1_->clear();
        text1_->setFocus();
        return;
    }
    const gauge::GaugeResult result = gauge::ConvertGauge(text, format);
    label3_->setText(QString::fromStdString(result.diameter));
    label10_->setText(QString::fromStdString(result.section));
}

void Form1::Command2_Click() {
    text1_->clear();
    label3_->clear();
    label10_->clear();
    text1_->setFocus();
}

void Form1::Command3_Click() {
    if (boxes_->confirm(this, QStringLiteral("Uscire dal programma?"))) close();
}

}  // namespace velkiro
