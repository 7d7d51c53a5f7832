#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace quendral::ui {

// The current hint: the status tip of the control under the mouse pointer, in any window of
// the program, disabled controls included. A control without a hint of its own lends the
// hint of the nearest enclosing control that has one; with none, the hint is empty. It
// watches the whole application, so it reaches the modal windows as well.
class HintTracker : public QObject {
    Q_OBJECT
public:
    explicit HintTracker(QObject* parent = nullptr);
    ~HintTracker() override;

    const QString& currentHint() const { return current_; }

    // Reads the hint again, for a control under the pointer whose hint has just changed.
    void refresh();

    // The hint that shows over widget: its own or its nearest enclosing control's.
    //   an arrangement list's inner text box -> the list's hint
    static QString hintOf(const QWidget* widget);

signals:
    void hintChanged(const QString& hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pointAt(QWidget* widget);

    QPointer<QWidget> underPointer_;
    QString current_;
};

}  // namespace quendral::ui
