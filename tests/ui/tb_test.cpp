#include "ui/tb.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <map>

#include "engine/geometry.h"
#include "modal_driver.h"
#include "program_fixture.h"
#include "sheet/fields.h"

using quendral::sheet::Field;
using quendral::ui::TTBHS;
using quendral::ui::test::Program;
using quendral::ui::test::whenModalOpens;

using Texts = std::map<QString, QString>;  // component name -> text
Q_DECLARE_METATYPE(Texts)

namespace {

QLineEdit& field(const QWidget& window, const QString& name) {
    auto* edit = window.findChild<QLineEdit*>(name);
    if (!edit) qFatal("no field %s", qPrintable(name));
    return *edit;
}

QPushButton& button(const QWidget& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(QString::fromUtf8(name));
    if (!button) qFatal("no button %s", name);
    return *button;
}

void type(const QWidget& window, const Texts& texts) {
    for (const auto& [name, text] : texts) field(window, name).setText(text);
}

}  // namespace

class GeometryDialogTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithInputsEditableAndResultsLocked();
    void convert_data();
    void convert();
    void enterPressesOnlyTheFocusedButtonAndEscDoesNothing();
    void mainWindowTakesOverTheResults_data();
    void mainWindowTakesOverTheResults();
    void returnFromOtherWindowsKeepsTypedGeometry_data();
    void returnFromOtherWindowsKeepsTypedGeometry();
};

void GeometryDialogTest::startsWithInputsEditableAndResultsLocked() {
    TTBHS dialog;
    for (const auto& info : quendral::engine::geometryFieldTable()) {
        QLineEdit& edit = field(dialog, QString::fromUtf8(info.name));
        QCOMPARE(edit.text(), QString::fromUtf8(info.initialText));
        QCOMPARE(edit.isEnabled(), info.isInput);
        QCOMPARE(edit.maxLength(), 32767);  // no typing limit
    }
    for (const char* name : {"BitBtn1", "BitBtn2"}) {
        QVERIFY(!button(dialog, name).autoDefault());
        QVERIFY(!button(dialog, name).isDefault());
    }
    QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowSystemMenuHint));
}

void GeometryDialogTest::convert_data() {
    QTest::addColumn<Texts>("typed");
    QTest::addColumn<Texts>("expected");
    QTest::addColumn<QString>("errorBox");

    QTest::newRow("start texts") << Texts{} << Texts{{"Edit3", "10"},      {"Edit1", "300.00"},
                                                     {"Edit4", "150.00"},  {"Edit8", "3000"},
                                                     {"Edit7", "3200.00"}, {"Edit11", "3200.00"},
                                                     {"Edit10", "110"}}
                                 << QString();
    QTest::newRow("step count 1: only the tread count changes")
        << Texts{{"Edit6", "1"}} << Texts{{"Edit3", "0"},    {"Edit1", "300"},   {"Edit4", "150"},
                                          {"Edit7", "3200"}, {"Edit11", "3500"}, {"Edit10", "120"}}
        << QStringLiteral("Floating point division by zero.");
    QTest::newRow("ratio 0: all but the thickness")
        << Texts{{"Edit12", "0"}, {"Edit2", "3300"}}
        << Texts{{"Edit3", "10"},      {"Edit1", "330.00"},   {"Edit8", "3300"},
                 {"Edit7", "3500.00"}, {"Edit11", "3500.00"}, {"Edit10", "120"}}
        << QStringLiteral("Floating point division by zero.");
    QTest::newRow("step count that is no integer")
        << Texts{{"Edit6", "11.5"}} << Texts{{"Edit3", "10"}, {"Edit1", "300"}, {"Edit7", "3200"}}
        << QStringLiteral("'11.5' is not a valid integer value.");
}

// The convert button writes each step's text and shows a failing step in the error box,
// keeping what the earlier steps wrote.
void GeometryDialogTest::convert() {
    QFETCH(Texts, typed);
    QFETCH(Texts, expected);
    QFETCH(QString, errorBox);

    TTBHS dialog;
    RecordingPrompts prompts;
    dialog.setPrompts([&]() -> quendral::ui::Prompts& { return prompts; });
    dialog.setDecimalSeparator('.');
    type(dialog, typed);
    QTest::mouseClick(&button(dialog, "BitBtn1"), Qt::LeftButton);

    for (const auto& [name, text] : expected) QCOMPARE(field(dialog, name).text(), text);
    QCOMPARE(prompts.errors, errorBox.isEmpty() ? QStringList{} : QStringList{errorBox});
}

void GeometryDialogTest::enterPressesOnlyTheFocusedButtonAndEscDoesNothing() {
    TTBHS dialog;
    RecordingPrompts prompts;
    dialog.setPrompts([&]() -> quendral::ui::Prompts& { return prompts; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QLineEdit& stepCount = field(dialog, "Edit6");
    stepCount.setText("21");

    stepCount.setFocus();
    QTest::keyClick(&stepCount, Qt::Key_Return);
    QCOMPARE(field(dialog, "Edit3").text(), QStringLiteral("10"));

    QPushButton& convert = button(dialog, "BitBtn1");
    convert.setFocus();
    QTest::keyClick(&convert, Qt::Key_Return);
    QCOMPARE(field(dialog, "Edit3").text(), QStringLiteral("20"));

    QTest::keyClick(&stepCount, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QVERIFY(prompts.errors.isEmpty());
}

void GeometryDialogTest::mainWindowTakesOverTheResults_data() {
    QTest::addColumn<bool>("convert");
    QTest::addColumn<QStringList>("geometry");  // tread width, riser height, thickness, span
    QTest::addColumn<bool>("resultsCleared");

    QTest::newRow("converted run of 3300")
        << true << QStringList{"330.00", "150.00", "120", "3500.00"} << true;
    QTest::newRow("closed without converting")
        << false << QStringList{"300", "150", "120", "3200"} << false;
}

// Through the real main window: the Option button opens the dialog, and the return to the
// main window copies the four results over, each only when it differs.
void GeometryDialogTest::mainWindowTakesOverTheResults() {
    QFETCH(bool, convert);
    QFETCH(QStringList, geometry);
    QFETCH(bool, resultsCleared);

    Program program;
    quendral::ui::TMainForm& form = program.form();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.computerClick();
    QVERIFY(!program.text(Field::Edit11).isEmpty());
    const QString slabWidth = program.text(Field::Edit4);

    bool worked = false;
    whenModalOpens([&](QWidget& dialog) {
        worked = &dialog == &program.windows.geometryDialog();
        field(dialog, "Edit2").setText("3300");
        if (convert) QTest::mouseClick(&button(dialog, "BitBtn1"), Qt::LeftButton);
        QTest::mouseClick(&button(dialog, "BitBtn2"), Qt::LeftButton);
    });
    form.OptionClick();
    QVERIFY(worked);
    QVERIFY(program.returnToMainWindow());

    // The span "3500.00" is shown whole although the span field takes six typed characters.
    QCOMPARE(program.text(Field::Edit1), geometry[0]);
    QCOMPARE(program.text(Field::Edit2), geometry[1]);
    QCOMPARE(program.text(Field::Edit3), geometry[2]);
    QCOMPARE(program.text(Field::Edit5), geometry[3]);
    QCOMPARE(program.text(Field::Edit4), slabWidth);
    QCOMPARE(program.text(Field::Edit11).isEmpty(), resultsCleared);
    QVERIFY(program.prompts->errors.isEmpty());
}

void GeometryDialogTest::returnFromOtherWindowsKeepsTypedGeometry_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("About window") << "about";
    QTest::newRow("landing-beam window") << "landing beam";
}

// Only the return from the geometry dialog brings its results over: a tread width typed
// into the main window survives a look at the About or the landing-beam window.
void GeometryDialogTest::returnFromOtherWindowsKeepsTypedGeometry() {
    QFETCH(QString, window);
    Program program;
    quendral::ui::TMainForm& form = program.form();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.computerClick();
    program.form().designSheet().setText(Field::Edit1, "280");

    whenModalOpens([](QWidget& shown) { shown.close(); });
    if (window == "about") {
        form.aboutClick();
    } else {
        form.PtlpjClick();
    }
    QVERIFY(program.returnToMainWindow());
    QVERIFY(!form.timer2().isActive());
    QCOMPARE(program.text(Field::Edit1), QStringLiteral("280"));
    QCOMPARE(program.text(Field::Edit5), QStringLiteral("3200"));
}

QTEST_MAIN(GeometryDialogTest)
#include "tb_test.moc"
