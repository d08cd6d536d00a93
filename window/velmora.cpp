#include "velmora.h"

#include "accessible_texts.h"
#include "appearance.h"
#include "controls.h"
#include "qt_text.h"
#include "regional_settings.h"
#include "screen_reader.h"
#include "window_placement.h"
#include "window_texts.h"

#include <velmora/cone_quantity.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace velmora {
namespace {

using layout::ControlLayout;
using layout::ControlName;
using layout::pixels;

// A title bar with icon, caption and Close (with the system menu); no
// Minimize, no Maximize. On Windows a thin fixed border: without the hint Qt
// gives the window a sizing border there, which window managers under wine
// take as leave to resize it.
constexpr Qt::WindowFlags kWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

QColor toQColor(const layout::Rgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// Opaque back colour of a label.
void fillWithBackColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setBackgroundRole(QPalette::Window);
    widget->setAutoFillBackground(true);
}

// A command button's face in one solid colour under every style, with a
// raised edge that sinks while the button is held down.
// The caption's colour is named too: a style sheet takes its colours from the
// application's palette, not the window's.
QString buttonStyleSheet(const QColor& face, const QColor& caption) {
    return QStringLiteral("QPushButton { background-color: %1; color: %2; border-style: solid;"
                          " border-width: 1px 2px 2px 1px;"
                          " border-color: #ffffff #404040 #404040 #ffffff; padding: 2px; }"
                          " QPushButton:pressed { border-width: 2px 1px 1px 2px;"
                          " border-color: #404040 #ffffff #ffffff #404040; }")
        .arg(face.name(), caption.name());
}

QString contentText(const ControlLayout& c) {
    switch (c.content) {
    case layout::Content::Caption:
        return toQString(c.caption);
    case layout::Content::AssignmentText:
        return toQString(texts::kAssignmentText);
    case layout::Content::Saying:
        return toQString(texts::kSaying);
    case layout::Content::None:
    case layout::Content::ListedPairs:
    case layout::Content::ConeFigure:
        break;
    }
    return {};
}

QLabel* makeLabel(const ControlLayout& c, QWidget* container) {
    auto* label = new QLabel(contentText(c), container);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

QListWidget* makeListBox(const ControlLayout& c, QWidget* container) {
    auto* list = new QListWidget(container);
    if (c.content == layout::Content::ListedPairs) {
        for (const GivenPair& pair : kListedPairs)
            new QListWidgetItem(toQString(pair.label), list);
    }
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

ColouredFrame* makeFrame(const ControlLayout& c, QWidget* container) {
    return new ColouredFrame(contentText(c), container);
}

MarkerCheckBox* makeCheckBox(const ControlLayout& c, QWidget* container) {
    auto* box = new MarkerCheckBox(contentText(c), container);
    box->setLayoutDirection(Qt::LeftToRight); // box at the left, caption to its right
    return box;
}

ValueField* makeTextBox(const ControlLayout& c, QWidget* container) {
    auto* edit = new ValueField(container);
    edit->setText(contentText(c));
    edit->setReadOnly(c.state.locked);
    return edit;
}

QPlainTextEdit* makeMultiLineTextBox(const ControlLayout& c, QWidget* container) {
    auto* edit = new QPlainTextEdit(container);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setTabChangesFocus(true);
    edit->setUndoRedoEnabled(false);
    // Qt stores CR LF as one line break; the text shows as its lines.
    edit->setPlainText(contentText(c));
    edit->setReadOnly(c.state.locked);
    if (c.state.locked) {
        // Read-only, but the user can still move through, select and copy the text.
        edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    return edit;
}

QLabel* makePictureBox(const ControlLayout& c, QWidget* container) {
    auto* picture = new PictureBox(container);
    // The classic two-pixel sunken edge; the picture fills the rest exactly.
    picture->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (c.content == layout::Content::ConeFigure)
        picture->setPixmap(QPixmap(kConeFigureResource));
    picture->setFocusPolicy(Qt::StrongFocus);
    return picture;
}

QPushButton* makeCommandButton(const ControlLayout& c, QWidget* container) {
    auto* button = new CommandButton(contentText(c), container);
    // Outside a dialog neither button is the default: Enter and Escape press
    // neither unless it has the focus, which a click gives it under every style.
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

} // namespace

Velmora::Velmora(QWidget* parent) : QWidget(parent, kWindowFlags) {
    screen_reader::describeVelmoraWindows();
    setObjectName(QStringLiteral("Velmora"));
    setWindowTitle(toQString(texts::kWindowCaption));
    setWindowIcon(QIcon(kWindowIconResource));
    // The window's font; no control has one of its own.
    setFont(windowFont());
    // The classic style's own light colours, whatever the desktop's theme:
    // the window's back colours are fixed light ones, so its texts must stay
    // dark and its text boxes white.
    setPalette(style()->standardPalette());
    setFixedSize(pixels(layout::kClientWidth), pixels(layout::kClientHeight));

    // The table lists Frame1 before the controls it holds.
    for (const ControlLayout& c : layout::kControls)
        build(c, c.container == layout::Container::Frame1 ? Frame1 : static_cast<QWidget*>(this));
    applyStackingOrder();
    applyTabOrder();
    applyAccessibleTexts();
    connectEvents();
    setNumberSettings(userNumberSettings());
}

void Velmora::setNumberSettings(const NumberSettings& settings) {
    numberSettings_ = settings;
    for (ValueField* field : Text2)
        field->setNumberSettings(settings);
}

void Velmora::applyAccessibleTexts() {
    setAccessibleDescription(toQString(accessibility::kWindowDescription));
    for (const accessibility::AccessibleText& a : accessibility::kAccessibleTexts) {
        QWidget* widget = control({a.name, a.index});
        widget->setAccessibleName(toQString(a.accessibleName));
        widget->setAccessibleDescription(toQString(a.description));
    }
    for (int i = 0; i < List1[0]->count(); ++i) {
        const accessibility::EntryText& e =
            accessibility::kEntryTexts.at(static_cast<std::size_t>(i));
        List1[0]->item(i)->setData(Qt::AccessibleTextRole, toQString(e.accessibleName));
        List1[0]->item(i)->setData(Qt::AccessibleDescriptionRole, toQString(e.description));
    }
}

QWidget* Velmora::build(const ControlLayout& c, QWidget* container) {
    const auto i = static_cast<std::size_t>(c.index);
    QWidget* widget = nullptr;
    switch (c.name) {
    case ControlName::Label1:
        widget = Label1.at(i) = makeLabel(c, container);
        break;
    case ControlName::List1:
        widget = List1.at(i) = makeListBox(c, container);
        break;
    case ControlName::Frame1:
        widget = Frame1 = makeFrame(c, container);
        break;
    case ControlName::Check1:
        widget = Check1.at(i) = makeCheckBox(c, container);
        break;
    case ControlName::Text2:
        widget = Text2.at(i) = makeTextBox(c, container);
        break;
    case ControlName::Picture1:
        widget = Picture1 = makePictureBox(c, container);
        break;
    case ControlName::Command1:
        widget = Command1.at(i) = makeCommandButton(c, container);
        break;
    case ControlName::Text1:
        widget = Text1.at(i) = makeMultiLineTextBox(c, container);
        break;
    }
    widget->setObjectName(QString::fromStdString(layout::controlId(c.name, c.index)));
    widget->setGeometry(pixels(c.left), pixels(c.top), pixels(c.width), pixels(c.height));
    if (c.backColour) {
        const QColor colour = toQColor(*c.backColour);
        if (c.name == ControlName::Command1)
            widget->setStyleSheet(buttonStyleSheet(colour, palette().color(QPalette::ButtonText)));
        else if (auto* frame = qobject_cast<ColouredFrame*>(widget))
            frame->setBackColour(colour);
        else if (auto* marker = qobject_cast<MarkerCheckBox*>(widget))
            marker->setBackColour(colour);
        else
            fillWithBackColour(widget, colour);
    }
    widget->setEnabled(c.state.enabled);
    if (!c.state.visible)
        widget->hide();
    return widget;
}

// Every control carries its name and index as its object name.
QWidget* Velmora::control(const layout::ControlRef& ref) const {
    return findChild<QWidget*>(QString::fromStdString(layout::controlId(ref.name, ref.index)));
}

// Raise every control from the bottom of its container's order to the top.
void Velmora::applyStackingOrder() {
    for (auto it = layout::kWindowStacking.rbegin(); it != layout::kWindowStacking.rend(); ++it)
        control(*it)->raise();
    for (auto it = layout::kFrameStacking.rbegin(); it != layout::kFrameStacking.rend(); ++it)
        control(*it)->raise();
}

// Chain the controls in tab index order. Controls that never take the focus
// (labels, the frame) are left out; disabled and hidden ones stay in the
// chain and are skipped by Qt while they are so.
void Velmora::applyTabOrder() {
    std::vector<const ControlLayout*> byTab;
    for (const ControlLayout& c : layout::kControls)
        byTab.push_back(&c);
    std::sort(byTab.begin(), byTab.end(), [](const ControlLayout* a, const ControlLayout* b) {
        return a->tabIndex < b->tabIndex;
    });

    QWidget* previous = nullptr;
    QWidget* first = nullptr;
    for (const ControlLayout* c : byTab) {
        QWidget* widget = control({c->name, c->index});
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous != nullptr)
            setTabOrder(previous, widget);
        previous = widget;
        if (first == nullptr && widget->isEnabled() && !widget->isHidden())
            first = widget;
    }
    // The window opens with the focus on the first control that can take it.
    if (first != nullptr)
        first->setFocus(Qt::OtherFocusReason);
}

void Velmora::paintEvent(QPaintEvent* event) {
    // Painted rather than put in the palette, which would pass it on to the
    // controls (scroll bars and the like keep the platform's colours).
    QPainter painter(this);
    painter.fillRect(event->rect(), toQColor(layout::kWindowBackColour));
}

void Velmora::showEvent(QShowEvent* event) {
    if (!loaded_)
        Form_Load();
    if (!placed_ && !event->spontaneous()) {
        placed_ = true;
        if (isWindow())
            placeOnScreen(*this);
    }
    QWidget::showEvent(event);
}

void Velmora::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LocaleChange)
        setNumberSettings(userNumberSettings());
}

} // namespace velmora
