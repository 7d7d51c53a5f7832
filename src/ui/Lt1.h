#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>

#include "sheet/fields.h"
#include "ui/main_form_controls.h"

class QDialog;
class QLabel;

namespace quendral::ui {

class HelpWindow;
class HintTracker;
class Prompts;
class TAboutBox;
class Tptljs;
class TTBHS;
class WidgetSheet;

// The main window: the design sheet with its commands. It wires the controls to the
// engine and to the report; every handler runs inside the error box's boundary.
class TMainForm : public QWidget {
    Q_OBJECT
public:
    TMainForm();
    ~TMainForm() override;

    // The secondary windows, created after this one; the commands show them and the
    // activation hand-back reads the geometry dialog.
    void attachWindows(TAboutBox& about, TTBHS& geometry, Tptljs& landingBeam);

    // Message boxes and the save dialog go through prompts; the window tests put their own
    // recorder here.
    void setPrompts(std::unique_ptr<Prompts> prompts);
    Prompts& prompts() { return *prompts_; }

    sheet::Sheet& designSheet();
    char decimalSeparator() const { return decimalSeparator_; }
    QTimer& timer1() { return *timer1_; }
    QTimer& timer2() { return *timer2_; }
    HelpWindow* helpWindow() { return helpWindow_; }  // nullptr until Help is first used

    // The commands, as the buttons run them.
    void computerClick();
    void SaveClick();
    void helpClick();
    void aboutClick();
    void OptionClick();
    void PtlpjClick();

    // The timers' ticks and the activation hand-back.
    void Timer1Timer();
    void Timer2Timer();
    void FormActivate();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename Handler>
    void guarded(Handler&& handler);
    void connectFields();
    bool previewKey(QWidget& receiver, const QKeyEvent& key);
    void showHint();
    void showModal(QDialog* window);

    MainFormControls controls_;
    std::unique_ptr<Prompts> prompts_;
    std::unique_ptr<WidgetSheet> sheet_;
    HintTracker* hints_ = nullptr;
    HelpWindow* helpWindow_ = nullptr;
    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
    TAboutBox* about_ = nullptr;
    TTBHS* geometry_ = nullptr;
    Tptljs* landingBeam_ = nullptr;
    char decimalSeparator_ = '.';
    bool activatedOnce_ = false;
    QWidget* returningFrom_ = nullptr;  // the own window the focus comes back from
    bool guardReporting_ = false;
};

}  // namespace quendral::ui
