#include "screen_reader.h"

#include "qt_text.h"
#include "velmora.h"

#include <velmora/cone_quantity.h>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace velmora::screen_reader {
namespace {

// An announcement with no widget of its own: the last child of the window,
// a notice whose name is the text to speak. Screen readers read a notice
// out when it is shown (Orca's "showing" handler for the notification role),
// which Qt's AT-SPI bridge passes on from an ObjectShow event.
class Notice : public QAccessibleInterface {
public:
    explicit Notice(QWidget* window) : window_(window) {}

    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Name)
            text_ = text;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? text_ : QString();
    }
    bool isValid() const override { return !window_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(window_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    QPointer<QWidget> window_;
    QString text_;
};

// The window itself: a frame (Qt's Window role) named by its caption, whose
// children are the controls it shows or will show, and the notice.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Window), notice_(new Notice(window)) {
        noticeId_ = QAccessible::registerAccessibleInterface(notice_);
    }
    ~WindowAccessible() override {
        if (QAccessible::accessibleInterface(noticeId_) == notice_)
            QAccessible::deleteAccessibleInterface(noticeId_);
    }

    Notice* notice() const { return notice_; }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return widget()->windowTitle();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(controls().size()) + 1; }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> shown = controls();
        if (index == shown.size())
            return notice_;
        if (index < 0 || index > shown.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(shown.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QList<QWidget*> shown = controls();
        if (child == notice_)
            return static_cast<int>(shown.size());
        return child ? static_cast<int>(shown.indexOf(qobject_cast<QWidget*>(child->object())))
                     : -1;
    }

private:
    // A control the program has hidden for good (the saying) is no part of
    // what a screen reader walks through; dialogs are windows of their own.
    QList<QWidget*> controls() const {
        QList<QWidget*> shown;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w != nullptr && !w->isWindow() && w->isVisibleTo(widget()))
                shown.append(w);
        }
        return shown;
    }

    Notice* notice_;
    QAccessible::Id noticeId_ = 0;
};

QAccessibleInterface* velmoraWindowFactory(const QString&, QObject* object) {
    auto* window = qobject_cast<Velmora*>(object);
    if (window != nullptr && window->isWindow())
        return new WindowAccessible(window);
    return nullptr;
}

} // namespace

void describeVelmoraWindows() {
    static const bool installed = [] {
        QAccessible::installFactory(velmoraWindowFactory);
        return true;
    }();
    (void)installed;
}

void announceValues(QWidget* window, const std::array<ValueField*, 5>& fields) {
    auto* described =
        dynamic_cast<WindowAccessible*>(QAccessible::queryAccessibleInterface(window));
    if (described == nullptr)
        return;
    QStringList values;
    for (const QuantityInfo& q : kQuantities) {
        values << toQString(q.symbol) + QStringLiteral(" = ") +
                      fields[static_cast<std::size_t>(slotOf(q.quantity))]->text();
    }
    Notice* notice = described->notice();
    notice->setText(QAccessible::Name, values.join(QStringLiteral("; ")));
    QAccessibleEvent hide(notice, QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&hide);
    QAccessibleEvent show(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&show);
}

} // namespace velmora::screen_reader
