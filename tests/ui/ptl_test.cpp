#include "ui/ptl.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "modal_driver.h"
#include "program_fixture.h"
#include "sheet/fields.h"

using quendral::sheet::Field;
using quendral::ui::Tptljs;
using quendral::ui::test::Program;
using quendral::ui::test::whenModalOpens;

namespace {

template <typename Widget>
Widget& child(const QWidget& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QString::fromUtf8(name));
    if (!widget) qFatal("no element %s", name);
    return *widget;
}

QPushButton& landingBeamButton(quendral::ui::TMainForm& form) {
    return child<QPushButton>(form, "Ptlpj");
}

// Presses Ptlpj and leaves the landing-beam window with the button named closeWith.
void openLandingBeamWindow(Program& program, const char* closeWith) {
    whenModalOpens([closeWith](QWidget& window) {
        QTest::mouseClick(&child<QPushButton>(window, closeWith), Qt::LeftButton);
    });
    program.form().PtlpjClick();
}

}  // namespace

class LandingBeamWindowTest : public QObject {
    Q_OBJECT
private slots:
    void noticeThenWindowThenButtonDisabled_data();
    void noticeThenWindowThenButtonDisabled();
    void buttonState_data();
    void buttonState();
    void keepsWhatWasTyped();
    void onlyItsButtonsCloseIt();
};

void LandingBeamWindowTest::noticeThenWindowThenButtonDisabled_data() {
    QTest::addColumn<QString>("closeWith");
    QTest::newRow("计算") << "computer";
    QTest::newRow("返回") << "exit";
}

// The development notice comes first, then the window; either button only closes it, and
// the landing-beam button waits for the next calculation.
void LandingBeamWindowTest::noticeThenWindowThenButtonDisabled() {
    QFETCH(QString, closeWith);
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(&program.form()));
    program.form().computerClick();
    QVERIFY(landingBeamButton(program.form()).isEnabled());

    QStringList noticesBeforeWindow;
    QWidget* shown = nullptr;
    whenModalOpens([&](QWidget& window) {
        noticesBeforeWindow = program.prompts->warnings;
        shown = &window;
        QTest::mouseClick(&child<QPushButton>(window, qPrintable(closeWith)), Qt::LeftButton);
    });
    program.form().PtlpjClick();

    QCOMPARE(noticesBeforeWindow,
             QStringList{QStringLiteral("安民告示|本模块正在开发,暂时不能使用")});
    QCOMPARE(shown, &program.windows.landingBeamWindow());
    QVERIFY(!shown->isVisible());
    QVERIFY(!landingBeamButton(program.form()).isEnabled());
    for (const char* result : {"Edit13", "Edit14", "Edit16", "Edit17"}) {
        QCOMPARE(child<QLineEdit>(*shown, result).text(), QString::fromUtf8(result));
    }
}

void LandingBeamWindowTest::buttonState_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("start") << QStringList{} << false;
    QTest::newRow("calculated") << QStringList{"calculate"} << true;
    QTest::newRow("window shown") << QStringList{"calculate", "window"} << false;
    QTest::newRow("input edited after calculating")
        << QStringList{"calculate", "edit span"} << true;
    QTest::newRow("calculated again")
        << QStringList{"calculate", "window", "edit span", "calculate"} << true;
}

void LandingBeamWindowTest::buttonState() {
    QFETCH(QStringList, steps);
    QFETCH(bool, enabled);
    Program program;
    QVERIFY(QTest::qWaitForWindowActive(&program.form()));
    for (const QString& step : steps) {
        if (step == "calculate") program.form().computerClick();
        if (step == "window") openLandingBeamWindow(program, "exit");
        if (step == "edit span") program.form().designSheet().setText(Field::Edit5, "3300");
    }
    QCOMPARE(landingBeamButton(program.form()).isEnabled(), enabled);
}

void LandingBeamWindowTest::keepsWhatWasTyped() {
    Tptljs window;
    whenModalOpens([](QWidget& w) {
        child<QLineEdit>(w, "Edit1").setText("450");
        w.findChildren<QRadioButton*>().at(2)->click();
        child<QComboBox>(w, "ComboBox5").setEditText("d12@150");
        QTest::mouseClick(&child<QPushButton>(w, "exit"), Qt::LeftButton);
    });
    window.exec();

    QString width, list;
    bool triangle = false;
    whenModalOpens([&](QWidget& w) {
        width = child<QLineEdit>(w, "Edit1").text();
        list = child<QComboBox>(w, "ComboBox5").currentText();
        triangle = w.findChildren<QRadioButton*>().at(2)->isChecked();
        QTest::mouseClick(&child<QPushButton>(w, "computer"), Qt::LeftButton);
    });
    window.exec();
    QCOMPARE(width, QStringLiteral("450"));
    QCOMPARE(list, QStringLiteral("d12@150"));
    QVERIFY(triangle);
}

void LandingBeamWindowTest::onlyItsButtonsCloseIt() {
    Tptljs window;
    QVERIFY(!(window.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(window.windowFlags() & Qt::WindowSystemMenuHint));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QLineEdit& width = child<QLineEdit>(window, "Edit1");
    width.setFocus();
    QTest::keyClick(&width, Qt::Key_Escape);
    QTest::keyClick(&width, Qt::Key_Return);
    QVERIFY(window.isVisible());
    QCOMPARE(width.maxLength(), 6);
}

QTEST_MAIN(LandingBeamWindowTest)
#include "ptl_test.moc"
