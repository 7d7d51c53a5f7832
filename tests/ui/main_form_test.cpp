#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <memory>

#include "recording_prompts.h"
#include "sheet/fields.h"
#include "ui/Lt1.h"
#include "ui/help_window.h"
#include "ui/window_set.h"

using namespace quendral::ui;

namespace {

// Closes each modal window of the program as soon as it is shown, so a command that opens
// one returns, and keeps the names of the windows it closed.
class ModalCloser : public QObject {
public:
    ModalCloser() {
        timer_.setInterval(10);
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                closed << modal->objectName();
                modal->close();
            }
        });
        timer_.start();
    }
    QStringList closed;

private:
    QTimer timer_;
};

const QStringList kResults = {"Edit11",    "Edit12", "Edit13", "Edit14",
                              "ComboBox5", "Edit16", "Edit17", "ComboBox6"};

}  // namespace

class MainFormTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowSet> windows_;
    RecordingPrompts* prompts_ = nullptr;

    TMainForm& form() { return windows_->mainForm(); }
    QWidget* control(const QString& name) {
        auto* found = form().findChild<QWidget*>(name);
        if (!found) qFatal("no control %s", qPrintable(name));
        return found;
    }
    QLineEdit* edit(const QString& name) { return qobject_cast<QLineEdit*>(control(name)); }
    QComboBox* combo(const QString& name) { return qobject_cast<QComboBox*>(control(name)); }
    QPushButton* button(const QString& name) { return qobject_cast<QPushButton*>(control(name)); }
    QString text(const QString& name) {
        if (QComboBox* box = combo(name)) return box->currentText();
        return edit(name)->text();
    }
    // The user replaces a field's text by typing it, key by key.
    void typeInto(const QString& name, const QString& typed) {
        QWidget* field = control(name);
        if (QComboBox* box = combo(name)) {
            box->lineEdit()->selectAll();
        } else {
            edit(name)->selectAll();
        }
        if (typed.isEmpty()) {
            QTest::keyClick(field, Qt::Key_Delete);
        } else {
            QTest::keyClicks(field, typed);
        }
    }
    void calculate() { QTest::mouseClick(button("computer"), Qt::LeftButton); }
    QString states() {
        auto on = [this](const char* name) { return button(name)->isEnabled() ? "1" : "0"; };
        return QString("%1%2%3").arg(on("computer"), on("Save"), on("Ptlpj"));
    }
    void pressEnter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
    QString focused() {
        QWidget* widget = QApplication::focusWidget();
        // The text box inside a combo box stands for the combo box.
        if (widget && qobject_cast<QComboBox*>(widget->parentWidget()))
            widget = widget->parentWidget();
        return widget ? widget->objectName() : QString();
    }

private slots:
    void init() {
        windows_ = std::make_unique<WindowSet>();
        auto prompts = std::make_unique<RecordingPrompts>();
        prompts_ = prompts.get();
        form().setPrompts(std::move(prompts));
        form().show();
        QVERIFY(QTest::qWaitForWindowActive(&form()));
    }
    void cleanup() { windows_.reset(); }

    void startsWithTheDefaultSheet() {
        QCOMPARE(form().windowTitle(), QString("Quendral计算程序"));
        QCOMPARE(states(), QString("100"));
        QCOMPARE(text("Edit11"), QString(" "));
        QCOMPARE(text("Edit12"), QString(" "));
        QCOMPARE(text("Edit13"), QString());
        QCOMPARE(combo("ComboBox5")->count(), 0);
        QCOMPARE(text("KZJ"), QString("KZJ"));
        QVERIFY(!control("KZJ")->isVisible());
        QCOMPARE(combo("ComboBox1")->count(), 11);
        QCOMPARE(text("ComboBox4"), QString("0"));
        QCOMPARE(focused(), QString("Edit1"));
        QCOMPARE(form().timer1().interval(), 100);
        QVERIFY(form().timer1().isActive());
        QCOMPARE(form().timer2().interval(), 3000);
        QVERIFY(!form().timer2().isActive());
        QVERIFY(prompts_->warnings.isEmpty() && prompts_->errors.isEmpty());
    }

    // The lists keep what the user types (no completion from the list, no item added by
    // Enter); the input lists (grades and coefficients) and the edit boxes are bold, down to
    // the lists' pop-ups, and the bar arrangement lists plain.
    void listsKeepTypingAsTypedInTheirFonts() {
        const QList<QPair<QString, bool>> lists = {{"ComboBox1", true},  {"ComboBox2", true},
                                                   {"ComboBox3", true},  {"ComboBox4", true},
                                                   {"ComboBox5", false}, {"ComboBox6", false}};
        // The pop-up draws its items as any editable list's does.
        QComboBox editable;
        editable.setEditable(true);
        const QString itemDrawing = editable.view()->itemDelegate()->metaObject()->className();
        for (const auto& [name, bold] : lists) {
            QComboBox* box = combo(name);
            QVERIFY2(box->isEditable() && !box->completer() && !box->lineEdit()->completer(),
                     qPrintable(name));
            QCOMPARE(box->insertPolicy(), QComboBox::NoInsert);
            QCOMPARE(box->font().bold(), bold);
            QCOMPARE(box->lineEdit()->font().bold(), bold);
            QCOMPARE(box->view()->font().bold(), bold);
            QCOMPARE(box->view()->itemDelegate()->metaObject()->className(), itemDrawing);
        }
        for (const char* name : {"Edit1", "Edit5", "Edit10", "Edit11", "Edit17", "KZJ"})
            QVERIFY2(edit(name)->font().bold(), name);

        const int items = combo("ComboBox1")->count();
        typeInto("ComboBox1", "C2");
        QTest::keyClick(control("ComboBox1"), Qt::Key_Return);
        QCOMPARE(text("ComboBox1"), QString("C2"));
        QCOMPARE(combo("ComboBox1")->count(), items);
    }

    void defaultCalculateShowsEveryResult() {
        calculate();
        QVERIFY2(prompts_->errors.isEmpty(), qPrintable(prompts_->errors.join('\n')));
        const QStringList expected = {"10.79",   "17.26", "11.05",   "555.42",
                                      "d10@140", "0.00",  "#150.00", "d6@190"};
        for (int i = 0; i < kResults.size(); ++i) QCOMPARE(text(kResults[i]), expected[i]);
        QCOMPARE(text("KZJ"), QString("561.00"));
        QCOMPARE(text("ZZJ"), QString("148.81"));
        QCOMPARE(combo("ComboBox5")->count(), 2);
        QCOMPARE(control("ComboBox5")->statusTip(),
                 QString("   梯板跨中实配钢筋面积As= 561.00(mm^2/m)"));
        QCOMPARE(states(), QString("011"));

        // Picking another arrangement recomputes its provided area, nothing else.
        combo("ComboBox5")->setCurrentIndex(1);
        QCOMPARE(text("KZJ"), QString("565.49"));
        QCOMPARE(states(), QString("011"));
    }

    // Clicks and keys through the enabled states of Calculate, Save and the landing beam.
    void buttonStatesFollowTheCommands() {
        QTemporaryDir folder;
        // The access key presses Calculate the way a click does, after the button shows it.
        QTest::keyClick(&form(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(states(), QString("011"));

        typeInto("Edit6", "0.2");  // an edit enables Calculate and leaves the others alone
        QCOMPARE(states(), QString("111"));
        calculate();
        QCOMPARE(states(), QString("011"));

        prompts_->savePath.reset();  // a cancelled dialog changes nothing
        QTest::mouseClick(button("Save"), Qt::LeftButton);
        QCOMPARE(prompts_->proposedNames, QStringList{"TB-1.txt"});
        QCOMPARE(states(), QString("011"));

        prompts_->savePath = folder.filePath("missing/TB-1.txt");  // a failed write
        QTest::mouseClick(button("Save"), Qt::LeftButton);
        QCOMPARE(prompts_->errors, QStringList{"Invalid filename."});
        QCOMPARE(states(), QString("011"));

        prompts_->savePath = folder.filePath("report");
        QTest::mouseClick(button("Save"), Qt::LeftButton);
        QVERIFY(QFile::exists(folder.filePath("report")));  // no extension added
        QCOMPARE(states(), QString("001"));

        ModalCloser closer;
        QTest::mouseClick(button("Ptlpj"), Qt::LeftButton);
        QCOMPARE(prompts_->warnings, QStringList{"安民告示|本模块正在开发,暂时不能使用"});
        QCOMPARE(closer.closed, QStringList{"ptljs"});
        QCOMPARE(states(), QString("000"));

        // An abandoned calculation leaves every state as it was.
        typeInto("ComboBox4", "1/9");
        QCOMPARE(states(), QString("100"));
        calculate();
        QCOMPARE(states(), QString("100"));
    }

    void editClearsExactlyTheDependentResults_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("cleared");
        const QStringList areas = {"Edit14", "ComboBox5", "Edit17", "ComboBox6"};
        for (const char* field : {"Edit1", "Edit3", "Edit5", "Edit6", "Edit9"}) {
            QTest::newRow(field) << field << "7" << kResults;
        }
        QTest::newRow("cover") << "Edit10"
                               << "20" << areas;
        QTest::newRow("concrete grade") << "ComboBox1"
                                        << "C25" << areas;
        QTest::newRow("steel grade") << "ComboBox2"
                                     << "2" << areas;
        QTest::newRow("mid-span coefficient")
            << "ComboBox3"
            << "0.1" << QStringList{"Edit13", "Edit14", "ComboBox5"};
        QTest::newRow("support coefficient")
            << "ComboBox4"
            << "1/8" << QStringList{"Edit16", "Edit17", "ComboBox6"};
        QTest::newRow("slab mark") << "TBBH"
                                   << "TB-2" << QStringList{};
    }
    void editClearsExactlyTheDependentResults() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QStringList, cleared);
        calculate();
        QMap<QString, QString> before;
        for (const QString& result : kResults) before[result] = text(result);

        // Set whole, as a paste or a pick does, so a grade is checked once.
        if (QComboBox* box = combo(field)) {
            box->setEditText(typed);
        } else {
            edit(field)->setText(typed);
        }
        QVERIFY2(prompts_->errors.isEmpty() && prompts_->warnings.isEmpty(),
                 qPrintable(prompts_->errors.join('\n') + prompts_->warnings.join('\n')));
        for (const QString& result : kResults) {
            QCOMPARE(text(result), cleared.contains(result) ? QString() : before[result]);
        }
        for (const char* list : {"ComboBox5", "ComboBox6"}) {
            if (!cleared.contains(list)) continue;
            QCOMPARE(combo(list)->count(), 0);
            QCOMPARE(control(list)->statusTip(), QString(" "));
        }
        QCOMPARE(text("KZJ"), QString("561.00"));
        QCOMPARE(text("ZZJ"), QString("148.81"));
        QCOMPARE(button("computer")->isEnabled(), !cleared.isEmpty());
        QVERIFY(button("Save")->isEnabled());
    }

    void gradeChecks_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("newText");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("error");
        QTest::newRow("C64 accepted") << "ComboBox1"
                                      << "C64"
                                      << ""
                                      << "";
        QTest::newRow("C100 reads 10") << "ComboBox1"
                                       << "C100"
                                       << ""
                                       << "";
        QTest::newRow("C65") << "ComboBox1"
                             << "C65"
                             << "混凝土强度等级有错"
                             << "";
        QTest::newRow("C9") << "ComboBox1"
                            << "C9"
                            << "混凝土强度等级有错"
                            << "";
        QTest::newRow("lone C") << "ComboBox1"
                                << "C"
                                << ""
                                << "'' is not a valid integer value.";
        QTest::newRow("Cx5") << "ComboBox1"
                             << "Cx5"
                             << ""
                             << "'x5' is not a valid integer value.";
        QTest::newRow("steel 3") << "ComboBox2"
                                 << "3"
                                 << ""
                                 << "";
        QTest::newRow("steel 0") << "ComboBox2"
                                 << "0"
                                 << "钢筋级别有错"
                                 << "";
        QTest::newRow("steel 4") << "ComboBox2"
                                 << "4"
                                 << "钢筋级别有错"
                                 << "";
        QTest::newRow("steel emptied") << "ComboBox2"
                                       << ""
                                       << ""
                                       << "'' is not a valid integer value.";
    }
    void gradeChecks() {
        QFETCH(QString, field);
        QFETCH(QString, newText);
        QFETCH(QString, warning);
        QFETCH(QString, error);
        calculate();
        control("Edit4")->setFocus();
        combo(field)->setEditText(newText);

        const bool accepted = warning.isEmpty() && error.isEmpty();
        QCOMPARE(prompts_->warnings,
                 warning.isEmpty() ? QStringList{} : QStringList{"警告|" + warning});
        QCOMPARE(prompts_->errors, error.isEmpty() ? QStringList{} : QStringList{error});
        QCOMPARE(text(field), newText);  // the text stays as typed
        QCOMPARE(text("Edit14"), accepted ? QString() : QString("555.42"));
        QCOMPARE(button("computer")->isEnabled(), accepted);
        QCOMPARE(focused(), warning.isEmpty() ? QString("Edit4") : field);
    }

    void gradeIsCheckedOnEveryKeystroke() {
        typeInto("ComboBox1", "C30");
        // "C" cannot be read, "C3" is grade 3, "C30" is accepted.
        QCOMPARE(prompts_->errors, QStringList{"'' is not a valid integer value."});
        QCOMPARE(prompts_->warnings, QStringList{"警告|混凝土强度等级有错"});
        QCOMPARE(text("ComboBox1"), QString("C30"));
    }

    void zeroGeometryGuard_data() {
        QTest::addColumn<QString>("span");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("emptied") << "" << false;
        QTest::newRow("zero") << "0" << false;
        QTest::newRow("0.0") << "0.0" << false;
        QTest::newRow("letters") << "abc" << false;
        QTest::newRow("3a reads 3") << "3a" << true;
        QTest::newRow("below the 48-bit range") << "1e-40" << false;
        QTest::newRow("above the 48-bit range") << "1e39" << true;
        QTest::newRow("3300") << "3300" << true;
    }
    void zeroGeometryGuard() {
        QFETCH(QString, span);
        QFETCH(bool, enabled);
        calculate();
        edit("Edit5")->setText(span);
        QVERIFY(button("computer")->isEnabled());  // the change handler enables
        QTest::qWait(250);                         // two ticks of Timer1
        QCOMPARE(button("computer")->isEnabled(), enabled);
        QVERIFY(prompts_->errors.isEmpty());
    }

    void enterMovesThroughTheTabOrder() {
        control("Edit5")->setFocus();
        pressEnter();
        QCOMPARE(focused(), QString("Option"));
        control("TBBH")->setFocus();
        pressEnter();  // the landing-beam button is disabled at start
        QCOMPARE(focused(), QString("Edit6"));
        QCOMPARE(text("Edit6"), QString("0.1"));  // Enter never reaches the field
        control("ComboBox6")->setFocus();
        pressEnter();
        QCOMPARE(focused(), QString("computer"));
        pressEnter();  // Enter on a button presses it
        QCOMPARE(text("Edit11"), QString("10.79"));

        control("ComboBox6")->setFocus();
        pressEnter();  // Calculate is now disabled
        QCOMPARE(focused(), QString("Save"));
        control("ComboBox3")->setFocus();
        pressEnter();
        QCOMPARE(focused(), QString("ComboBox4"));
        QCOMPARE(text("ComboBox3"), QString("1/10"));
        QCOMPARE(combo("ComboBox3")->count(), 3);  // nothing added by Enter
    }

    // Tab walks the order Enter uses; the results and the disabled buttons are skipped.
    void tabFollowsTheSheetOrder() {
        const QStringList expected = {
            "Edit1",    "Edit2",     "Edit3",     "Edit4",     "Edit5",     "Option",
            "TBBH",     "Edit6",     "Edit7",     "Edit8",     "Edit9",     "ComboBox1",
            "Edit10",   "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5", "ComboBox6",
            "computer", "help",      "about",     "exit"};
        control("Edit1")->setFocus();
        QStringList walked = {focused()};
        while (walked.size() <= expected.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (focused() == "Edit1") break;
            walked << focused();
        }
        QCOMPARE(walked, expected);
    }

    void badCoefficientShowsTheErrorBox() {
        calculate();
        typeInto("ComboBox3", "1/9");
        edit("Edit1")->setText("310");  // new loads, so the partial write shows
        calculate();
        QCOMPARE(prompts_->errors, QStringList{"'1/9' is not a valid floating point value."});
        QVERIFY(text("Edit11") != QString());
        QCOMPARE(text("Edit13"), QString());  // no moment after the failed coefficient
        QCOMPARE(states(), QString("111"));
        // The program goes on: the next command works.
        typeInto("ComboBox3", "1/8");
        calculate();
        QCOMPARE(prompts_->errors.size(), 1);
        QCOMPARE(states(), QString("011"));
    }

    void hintOfTheControlUnderThePointer() {
        auto* zdl = qobject_cast<QLabel*>(control("zdl"));
        QCOMPARE(zdl->text(), QString());
        QTest::mouseMove(control("Save"));  // disabled, yet its hint shows
        QCOMPARE(zdl->text(), QString("   计算结果输出到文件"));
        QTest::mouseMove(control("Edit5"));
        QCOMPARE(zdl->text(), QString("   输入楼梯计算跨度(单位为mm)"));
        QTest::mouseMove(control("ComboBox5"));  // no hint of its own at start
        QCOMPARE(zdl->text(), QString());

        calculate();  // the provided area shows at once where the pointer rests
        QCOMPARE(zdl->text(), QString("   梯板跨中实配钢筋面积As= 561.00(mm^2/m)"));
        typeInto("ComboBox3", "1/8");
        QCOMPARE(zdl->text(), QString(" "));
    }

    void helpOpensAtItsContents_data() {
        QTest::addColumn<int>("modifiers");
        QTest::newRow("button") << -1;
        QTest::newRow("F1") << int(Qt::NoModifier);
        QTest::newRow("Ctrl+F1") << int(Qt::ControlModifier);
        QTest::newRow("Shift+Alt+F1") << int(Qt::ShiftModifier | Qt::AltModifier);
    }
    void helpOpensAtItsContents() {
        QFETCH(int, modifiers);
        if (modifiers < 0) {
            QTest::mouseClick(button("help"), Qt::LeftButton);
        } else {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1,
                            Qt::KeyboardModifiers(modifiers));
        }
        HelpWindow* help = form().helpWindow();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->browser().source(), QUrl("qrc:/help/index.html"));
        QVERIFY(help->browser().toPlainText().contains("目录"));
        // Every page the contents lead to is there.
        for (const char* page : {"inputs", "results", "formulas", "bars", "report", "geometry",
                                 "warnings", "operation"}) {
            QVERIFY2(QFile::exists(QString(":/help/%1.html").arg(page)), page);
        }
    }

    void aboutRunsTimer2UntilTheMainWindowIsActiveAgain() {
        ModalCloser closer;
        bool timerRanWhileOpen = false;
        QTimer::singleShot(0, this, [&] { timerRanWhileOpen = form().timer2().isActive(); });
        QTest::mouseClick(button("about"), Qt::LeftButton);
        QCOMPARE(closer.closed, QStringList{"AboutBox"});
        QVERIFY(timerRanWhileOpen);
        QTRY_VERIFY(!form().timer2().isActive());
    }

    void geometryComesBackOnlyFromTheGeometryDialog() {
        ModalCloser closer;
        calculate();
        typeInto("Edit1", "280");
        QTest::mouseClick(button("about"), Qt::LeftButton);
        QTRY_VERIFY(!form().timer2().isActive());
        QCOMPARE(text("Edit1"), QString("280"));  // the user's tread width stays

        QTest::mouseClick(button("Option"), Qt::LeftButton);
        QCOMPARE(closer.closed, (QStringList{"AboutBox", "TBHS"}));
        QTRY_COMPARE(text("Edit1"), QString("300"));
        QCOMPARE(text("Edit11"), QString());
        QVERIFY(button("computer")->isEnabled());
    }

    void typedLimitAndWrittenTexts() {
        typeInto("Edit5", "1234567");
        QCOMPARE(text("Edit5"), QString("123456"));
        typeInto("Edit10", "1234567");
        QCOMPARE(text("Edit10"), QString("1234567"));
        // A text the program writes is shown whole and runs the change handler.
        calculate();
        form().designSheet().setText(quendral::sheet::Field::Edit5, "3200.00");
        QCOMPARE(text("Edit5"), QString("3200.00"));
        QCOMPARE(text("Edit11"), QString());
    }

    // Inside a modal window of the program: its hints reach the status panel, F1 opens nothing.
    void modalWindowHintsAndNoHelp() {
        calculate();
        // The offscreen platform knows no stacking: the pointer finds the first window that
        // contains it, so the main window steps aside.
        form().move(-5000, -5000);
        QString hintInside;
        bool helpInside = true;
        QTimer::singleShot(50, this, [&] {
            QWidget* window = QApplication::activeModalWidget();
            QVERIFY(window);
            auto* field = window->findChild<QLineEdit*>("Edit1");
            QVERIFY(field);
            QTest::mouseMove(field);
            hintInside = qobject_cast<QLabel*>(control("zdl"))->text();
            QTest::keyClick(window, Qt::Key_F1);
            helpInside = form().helpWindow() != nullptr;
            window->close();
        });
        QTest::mouseClick(button("Ptlpj"), Qt::LeftButton);
        QCOMPARE(hintInside, QString("   输入楼梯踏步宽度(单位为mm)"));
        QVERIFY(!helpInside);
    }

    // The results are written with the locale's decimal separator (this test also runs
    // under a German locale, where it is the comma).
    void resultsUseTheLocaleSeparator() {
        const QChar separator = QLocale::system().decimalPoint().at(0);
        QCOMPARE(form().decimalSeparator(), separator.toLatin1());
        calculate();
        QCOMPARE(text("Edit11"), QString("10") + separator + "79");
        QCOMPARE(text("KZJ"), QString("561") + separator + "00");
        combo("ComboBox5")->setCurrentIndex(1);
        QCOMPARE(text("KZJ"), QString("565") + separator + "49");
        QVERIFY(prompts_->errors.isEmpty());
    }

    // Whatever lands in a field, the window reports through its boxes and goes on: no
    // exception escapes a handler, and the default design still calculates afterwards.
    void anyTextInAnyFieldIsSurvived() {
        const QStringList nasty = {"",
                                   " ",
                                   "-",
                                   ".",
                                   "1e999999",
                                   "-1e4932",
                                   "99999999999999999999999",
                                   "$FFFFFFFF",
                                   QString(QChar(0)) + "1",
                                   "混凝土",
                                   "d10@140d10@140",
                                   QString(20000, QChar(0x68af)),
                                   QString(100000, QLatin1Char('9'))};
        const QStringList fields = {"Edit1",     "Edit3",     "Edit4",     "Edit8",
                                    "Edit10",    "ComboBox1", "ComboBox2", "ComboBox3",
                                    "ComboBox4", "ComboBox5", "ComboBox6", "TBBH"};
        for (const QString& field : fields) {
            for (const QString& text : nasty) {
                if (QComboBox* box = combo(field)) {
                    box->setEditText(text);
                } else {
                    edit(field)->setText(text);
                }
                form().computerClick();
                form().Timer1Timer();
            }
        }
        QTest::qWait(120);                     // a real tick of the guard as well
        for (const QString& field : fields) {  // back to the default design, same window
            const auto& info =
                quendral::sheet::info(*quendral::sheet::fieldByName(field.toStdString()));
            form().designSheet().setText(info.field, info.startText);
        }
        form().designSheet().setText(quendral::sheet::Field::Edit17, "");
        calculate();
        QCOMPARE(text("Edit17"), QString("#150.00"));
    }

    void exitClosesTheProgram() {
        QTest::keyClick(&form(), Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(!form().isVisible());
    }
};

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
