// The program's start: the secondary windows' controls wait until the main window has been
// painted, and a window that is needed earlier builds them on the spot.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "modal_driver.h"
#include "recording_prompts.h"
#include "ui/Lt1.h"
#include "ui/Lt2.h"
#include "ui/ptl.h"
#include "ui/sjypic.h"
#include "ui/tb.h"
#include "ui/window_set.h"

using quendral::ui::ContentBuild;
using quendral::ui::TMainForm;
using quendral::ui::WindowSet;
using quendral::ui::test::whenModalOpens;

namespace {

// The program's windows as it starts them, messages recorded; the main window not yet shown.
struct DeferredProgram {
    WindowSet windows{ContentBuild::Deferred};
    RecordingPrompts* prompts = nullptr;

    DeferredProgram() {
        auto recorder = std::make_unique<RecordingPrompts>();
        prompts = recorder.get();
        windows.mainForm().setPrompts(std::move(recorder));
    }
    // Which secondary windows have their controls: about, geometry, photo, landing beam.
    QString built() {
        QString bits;
        for (bool built :
             {windows.aboutBox().hasContent(), windows.geometryDialog().hasContent(),
              windows.photo().hasContent(), windows.landingBeamWindow().hasContent()}) {
            bits += built ? QLatin1Char('1') : QLatin1Char('0');
        }
        return bits;
    }
};

}  // namespace

using Command = std::function<void(DeferredProgram&)>;
Q_DECLARE_METATYPE(Command)

class DeferredContentTest : public QObject {
    Q_OBJECT
private slots:
    void builtAfterTheMainWindowsFirstPaint();
    void geometryDialogAnswersBeforeItsFieldsExist();
    void windowOpenedEarlyIsComplete_data();
    void windowOpenedEarlyIsComplete();
    void aboutWindowMethodsBuildItsControls();
};

// Nothing but the frames at first; every window complete soon after the first paint.
void DeferredContentTest::builtAfterTheMainWindowsFirstPaint() {
    DeferredProgram program;
    QCOMPARE(program.built(), QStringLiteral("0000"));
    QVERIFY(!program.windows.aboutBox().findChild<QWidget*>("wwwLabel"));
    QCoreApplication::processEvents();
    QCOMPARE(program.built(), QStringLiteral("0000"));  // nothing painted yet

    program.windows.mainForm().show();
    QTRY_COMPARE(program.built(), QStringLiteral("1111"));
    QVERIFY(program.windows.aboutBox().findChild<QWidget*>("wwwLabel"));
    QVERIFY(program.windows.geometryDialog().findChild<QLineEdit*>("Edit12"));
    QVERIFY(program.windows.photo().findChild<QLabel*>("Image1"));
    QVERIFY(program.windows.landingBeamWindow().findChild<QLineEdit*>("Edit1"));
    for (QWidget* window : {static_cast<QWidget*>(&program.windows.aboutBox()),
                            static_cast<QWidget*>(&program.windows.geometryDialog()),
                            static_cast<QWidget*>(&program.windows.photo()),
                            static_cast<QWidget*>(&program.windows.landingBeamWindow())}) {
        QVERIFY(!window->isVisible());
    }
    QVERIFY(program.prompts->errors.isEmpty());
}

// The main window's first activation copies the four results; before the dialog's fields
// exist they are the start texts the fields will have, and a conversion builds them.
void DeferredContentTest::geometryDialogAnswersBeforeItsFieldsExist() {
    quendral::ui::TTBHS deferred(nullptr, ContentBuild::Deferred);
    quendral::ui::TTBHS built;
    QVERIFY(!deferred.hasContent());
    QCOMPARE(deferred.treadWidthText(), built.treadWidthText());
    QCOMPARE(deferred.riserHeightText(), built.riserHeightText());
    QCOMPARE(deferred.slabThicknessText(), built.slabThicknessText());
    QCOMPARE(deferred.spanText(), built.spanText());
    QVERIFY(!deferred.hasContent());

    deferred.setDecimalSeparator('.');
    built.setDecimalSeparator('.');
    deferred.BitBtn1Click();
    built.BitBtn1Click();
    QVERIFY(deferred.hasContent());
    QCOMPARE(deferred.treadWidthText(), built.treadWidthText());
    QCOMPARE(deferred.spanText(), built.spanText());
    QCOMPARE(deferred.findChild<QLineEdit*>("Edit10")->text(),
             built.findChild<QLineEdit*>("Edit10")->text());
}

void DeferredContentTest::windowOpenedEarlyIsComplete_data() {
    QTest::addColumn<Command>("open");
    QTest::addColumn<QString>("child");   // a control the open window must show
    QTest::addColumn<QString>("closer");  // the button that closes it, or "" to close it
    QTest::newRow("About") << Command([](DeferredProgram& p) { p.windows.mainForm().aboutClick(); })
                           << "EmailLabel"
                           << "";
    QTest::newRow("geometry dialog")
        << Command([](DeferredProgram& p) { p.windows.mainForm().OptionClick(); }) << "Edit6"
        << "BitBtn2";
    QTest::newRow("landing beam") << Command([](DeferredProgram& p) {
        p.windows.mainForm().PtlpjClick();
    }) << "Edit5"
                                  << "exit";
    QTest::newRow("picture") << Command([](DeferredProgram& p) { p.windows.photo().exec(); })
                             << "Image1"
                             << "";
}

// A window opened before the build after the first paint has run shows all its controls.
void DeferredContentTest::windowOpenedEarlyIsComplete() {
    QFETCH(Command, open);
    QFETCH(QString, child);
    QFETCH(QString, closer);
    DeferredProgram program;  // the main window is never painted: no build comes by itself

    bool found = false;
    bool shown = false;
    whenModalOpens([&](QWidget& window) {
        QWidget* control = window.findChild<QWidget*>(child);
        found = control != nullptr;
        shown = control && control->isVisible();
        if (closer.isEmpty()) {
            window.close();
        } else {
            QTest::mouseClick(window.findChild<QPushButton*>(closer), Qt::LeftButton);
        }
    });
    open(program);
    QVERIFY(found);
    QVERIFY(shown);
}

// The band of the About window can be switched while its controls are still to come.
void DeferredContentTest::aboutWindowMethodsBuildItsControls() {
    quendral::ui::TAboutBox about(nullptr, ContentBuild::Deferred);
    QVERIFY(!about.hasContent());
    about.alternateBand();
    QVERIFY(about.hasContent());
    QVERIFY(!about.findChild<QWidget*>("sm1")->isHidden());
    QVERIFY(about.findChild<QWidget*>("Label4")->isHidden());

    quendral::ui::TAboutBox logo(nullptr, ContentBuild::Deferred);
    logo.Image1Click();
    QCOMPARE(logo.findChild<QWidget*>("Image1")->toolTip(),
             QStringLiteral("详细介绍请浏览网址: https://quendral.example/"));
}

QTEST_MAIN(DeferredContentTest)
#include "deferred_content_test.moc"
