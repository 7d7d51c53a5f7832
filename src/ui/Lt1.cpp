#include "ui/Lt1.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>

#include "engine/arrangement.h"
#include "engine/calculate.h"
#include "engine/input_change.h"
#include "report/report.h"
#include "ui/Lt2.h"
#include "ui/app_title.h"
#include "ui/decimal_separator.h"
#include "ui/enter_navigation.h"
#include "ui/error_boundary.h"
#include "ui/help_window.h"
#include "ui/hint_tracker.h"
#include "ui/prompts.h"
#include "ui/ptl.h"
#include "ui/tb.h"
#include "ui/widget_sheet.h"

namespace quendral::ui {

using sheet::Command;
using sheet::Field;

TMainForm::TMainForm()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("MainForm");
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    controls_ = buildMainFormControls(*this);
    prompts_ = std::make_unique<WidgetPrompts>(*this);
    hints_ = new HintTracker(this);
    sheet_ = std::make_unique<WidgetSheet>(
        controls_.sheet, [this]() -> Prompts& { return *prompts_; }, [this] { hints_->refresh(); });
    decimalSeparator_ = decimalSeparatorOf(QLocale::system());

    connect(hints_, &HintTracker::hintChanged, this, [this] { showHint(); });
    connectFields();
    connect(controls_.sheet.computer, &QPushButton::clicked, this, &TMainForm::computerClick);
    connect(controls_.sheet.save, &QPushButton::clicked, this, &TMainForm::SaveClick);
    connect(controls_.help, &QPushButton::clicked, this, &TMainForm::helpClick);
    connect(controls_.about, &QPushButton::clicked, this, &TMainForm::aboutClick);
    connect(controls_.exit, &QPushButton::clicked, this, &QWidget::close);
    connect(controls_.option, &QPushButton::clicked, this, &TMainForm::OptionClick);
    connect(controls_.sheet.landingBeam, &QPushButton::clicked, this, &TMainForm::PtlpjClick);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(100);
    connect(timer1_, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    timer2_ = new QTimer(this);
    timer2_->setObjectName("Timer2");
    timer2_->setInterval(3000);
    connect(timer2_, &QTimer::timeout, this, &TMainForm::Timer2Timer);

    // A report and the landing-beam window each wait for a completed calculation.
    sheet_->setEnabled(Command::Save, false);
    sheet_->setEnabled(Command::Ptlpj, false);

    // Enter and F1 are seen before the focused control sees them.
    qApp->installEventFilter(this);
    sheet_->widget(Field::Edit1)->installEventFilter(this);
    sheet_->widget(Field::Edit1)->setFocus();
    timer1_->start();
}

TMainForm::~TMainForm() {
    // No key, focus or activation reaches a window whose sheet is going.
    if (qApp) qApp->removeEventFilter(this);
    sheet_->widget(Field::Edit1)->removeEventFilter(this);
}

void TMainForm::attachWindows(TAboutBox& about, TTBHS& geometry, Tptljs& landingBeam) {
    about_ = &about;
    geometry_ = &geometry;
    landingBeam_ = &landingBeam;
    for (QWidget* window : {static_cast<QWidget*>(about_), static_cast<QWidget*>(geometry_),
                            static_cast<QWidget*>(landingBeam_)}) {
        window->installEventFilter(this);
    }
}

void TMainForm::setPrompts(std::unique_ptr<Prompts> prompts) { prompts_ = std::move(prompts); }

sheet::Sheet& TMainForm::designSheet() { return *sheet_; }

template <typename Handler>
void TMainForm::guarded(Handler&& handler) {
    reportErrors(*prompts_, std::forward<Handler>(handler));
}

void TMainForm::connectFields() {
    for (const sheet::FieldInfo& info : sheet::fields()) {
        const Field field = info.field;
        if (info.kind == sheet::Kind::Input && field != Field::TBBH) {
            auto changed = [this, field] {
                guarded([&] { engine::inputChanged(*sheet_, field); });
            };
            if (QComboBox* box = sheet_->combo(field)) {
                connect(box, &QComboBox::editTextChanged, this, changed);
            } else {
                connect(sheet_->edit(field), &QLineEdit::textChanged, this, changed);
            }
        } else if (info.kind == sheet::Kind::Arrangement) {
            const auto section =
                field == Field::ComboBox5 ? engine::Section::MidSpan : engine::Section::Support;
            connect(sheet_->combo(field), &QComboBox::editTextChanged, this, [this, section] {
                guarded([&] { engine::reevaluate(*sheet_, section, decimalSeparator_); });
            });
        }
    }
}

void TMainForm::computerClick() {
    // A completed calculation sets the command states itself.
    guarded([&] { engine::calculate(*sheet_, decimalSeparator_); });
}

void TMainForm::SaveClick() {
    guarded([&] {
        const std::optional<QString> path =
            prompts_->askSavePath(report::proposedFileName(*sheet_));
        if (!path) return;
        report::saveReport(*sheet_, *path, QLocale::system(), QDateTime::currentDateTime());
        sheet_->setEnabled(Command::Save, false);
    });
}

void TMainForm::helpClick() {
    if (!helpWindow_) helpWindow_ = new HelpWindow(this);
    helpWindow_->showContents();
}

void TMainForm::showModal(QDialog* window) {
    if (!window) return;
    window->exec();
    // The main window is the active one again, whatever the platform picks after a window
    // without owner closes; its activation runs the hand-back.
    activateWindow();
}

void TMainForm::aboutClick() {
    timer2_->start();
    showModal(about_);
}

void TMainForm::OptionClick() { showModal(geometry_); }

void TMainForm::PtlpjClick() {
    prompts_->warning(QStringLiteral("安民告示"), QStringLiteral("本模块正在开发,暂时不能使用"));
    showModal(landingBeam_);
    sheet_->setEnabled(Command::Ptlpj, false);
}

void TMainForm::Timer1Timer() {
    // Ticks go on while an error box is open; one box is enough, not one per tick.
    if (guardReporting_) return;
    guardReporting_ = true;
    guarded([&] { engine::guardZeroGeometry(*sheet_); });
    guardReporting_ = false;
}

void TMainForm::Timer2Timer() {
    if (about_) about_->alternateBand();
}

void TMainForm::FormActivate() {
    // The geometry dialog's results come over when the user returns from that dialog (and at
    // start, where they equal the sheet's defaults). Returning from the About or the
    // landing-beam window leaves the geometry the user typed alone.
    const bool fromGeometryDialog = returningFrom_ == nullptr || returningFrom_ == geometry_;
    guarded([&] {
        if (geometry_ && fromGeometryDialog) {
            sheet_->setText(Field::Edit1, geometry_->treadWidthText().toStdString());
            sheet_->setText(Field::Edit2, geometry_->riserHeightText().toStdString());
            sheet_->setText(Field::Edit3, geometry_->slabThicknessText().toStdString());
            sheet_->setText(Field::Edit5, geometry_->spanText().toStdString());
        }
    });
    timer2_->stop();
}

void TMainForm::showHint() { controls_.zdl->setText(hints_->currentHint()); }

bool TMainForm::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::WindowActivate:
            // Only a return from one of the program's own windows counts, not one from
            // another program, a message box or the save dialog.
            if (!activatedOnce_ || returningFrom_) {
                activatedOnce_ = true;
                FormActivate();
                returningFrom_ = nullptr;
            }
            break;
        case QEvent::LocaleChange:
            decimalSeparator_ = decimalSeparatorOf(QLocale::system());
            break;
        case QEvent::Show:
            if (!activatedOnce_) {
                const QRect screenArea = screen()->availableGeometry();
                move(screenArea.center() - frameGeometry().center() + pos());
            }
            showHint();
            break;
        default:
            break;
    }
    return QWidget::event(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::WindowActivate:
            if (watched == about_ || watched == geometry_ || watched == landingBeam_) {
                returningFrom_ = static_cast<QWidget*>(watched);
            }
            break;
        case QEvent::FocusIn:
            if (watched == sheet_->widget(Field::Edit1)) showHint();
            break;
        case QEvent::KeyPress:
            if (watched->isWidgetType()) {
                return previewKey(*static_cast<QWidget*>(watched), *static_cast<QKeyEvent*>(event));
            }
            break;
        default:
            break;
    }
    return false;
}

bool TMainForm::previewKey(QWidget& receiver, const QKeyEvent& key) {
    // The key is previewed once, on its way to the focused control of this window.
    if (receiver.window() != this || &receiver != QApplication::focusWidget()) return false;
    if (key.key() == Qt::Key_F1) {
        helpClick();
        return false;  // the focused control still receives F1
    }
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) return false;
    if (key.modifiers() & Qt::ControlModifier) return false;
    if (auto* button = qobject_cast<QPushButton*>(&receiver)) {
        button->click();
        return true;
    }
    if (QWidget* next = nextOnEnter(controls_.tabOrder, &receiver))
        next->setFocus(Qt::TabFocusReason);
    return true;
}

}  // namespace quendral::ui
