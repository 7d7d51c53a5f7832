#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <vector>

#include "ui/decimal_separator.h"
#include "ui/enter_navigation.h"
#include "ui/hint_tracker.h"
#include "ui/prompts.h"
#include "ui/typing_limit.h"

using namespace quendral::ui;

class UiHelpersTest : public QObject {
    Q_OBJECT
private slots:
    void decimalSeparator_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<char>("separator");
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << '.';
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << ',';
        QTest::newRow("Chinese") << QLocale(QLocale::Chinese, QLocale::China) << '.';
        // The Arabic decimal separator is no ASCII character and falls back to the full stop.
        QTest::newRow("Arabic") << QLocale(QLocale::Arabic, QLocale::Egypt) << '.';
    }
    void decimalSeparator() {
        QFETCH(QLocale, locale);
        QFETCH(char, separator);
        QCOMPARE(decimalSeparatorOf(locale), separator);
    }

    void typingLimitHoldsForTypingOnly() {
        QLineEdit edit;
        applyTypingLimit(edit, 6);
        edit.show();
        QTest::keyClicks(&edit, "1234567");
        QCOMPARE(edit.text(), QString("123456"));

        setTextBeyondLimit(edit, 6, "3200.00");
        QCOMPARE(edit.text(), QString("3200.00"));
        // An over-long text can be shortened by typing but not lengthened.
        QTest::keyClick(&edit, Qt::Key_End);
        QTest::keyClicks(&edit, "9");
        QCOMPARE(edit.text(), QString("3200.00"));
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QTest::keyClicks(&edit, "78");
        QCOMPARE(edit.text(), QString("3200.7"));

        QLineEdit unlimited;
        applyTypingLimit(unlimited, 0);
        unlimited.show();
        QTest::keyClicks(&unlimited, "0123456789abc");
        QCOMPARE(unlimited.text(), QString("0123456789abc"));
    }

    void enterSkipsDisabledHiddenAndNonTabControls() {
        QWidget form;
        std::vector<QWidget*> order;
        for (int i = 0; i < 5; ++i) order.push_back(new QPushButton(QString::number(i), &form));
        form.show();
        order[1]->setEnabled(false);
        order[2]->hide();
        order[4]->setFocusPolicy(Qt::ClickFocus);
        QCOMPARE(nextOnEnter(order, order[0]), order[3]);
        QCOMPARE(nextOnEnter(order, order[3]), order[0]);  // wraps past the last one
        // A control inside a listed one counts as that control.
        auto* inner = new QLineEdit(order[3]);
        QCOMPARE(nextOnEnter(order, inner), order[0]);
        for (QWidget* widget : order) widget->setEnabled(false);
        QCOMPARE(nextOnEnter(order, order[0]), nullptr);
    }

    // The real save dialog: the slab mark's name proposed, the two filters, the filter choice
    // kept for the next report, and the typed name used as it stands.
    void saveDialogKeepsItsFilterChoice() {
        QWidget owner;
        owner.show();
        WidgetPrompts prompts(owner);
        QTemporaryDir folder;
        QStringList filtersSeen;
        QString proposedSeen;
        // The answer waits for the dialog to be up, however long a loaded machine takes.
        QTimer poll;
        poll.setInterval(10);
        auto answer = [&](const QString& typed, int filter) {
            QObject::disconnect(&poll, nullptr, nullptr, nullptr);
            QObject::connect(&poll, &QTimer::timeout, &owner, [&, typed, filter] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                if (!dialog || !dialog->isVisible()) return;
                poll.stop();
                filtersSeen << dialog->selectedNameFilter();
                auto* nameEdit = dialog->findChild<QLineEdit*>("fileNameEdit");
                proposedSeen = nameEdit->text();
                QCOMPARE(dialog->nameFilters().size(), 2);
                dialog->selectNameFilter(dialog->nameFilters().at(filter));
                dialog->selectFile(folder.filePath(typed));  // the name the user confirms
                // Accepted as the Save button does once the dialog has checked the name; the
                // check itself waits on the dialog's folder listing, which a test cannot.
                dialog->QDialog::accept();
            });
            poll.start();
        };
        answer("report", 1);
        const std::optional<QString> first = prompts.askSavePath("TB-1.txt");
        QCOMPARE(proposedSeen, QString("TB-1.txt"));
        QVERIFY(first.has_value());
        QCOMPARE(*first, folder.filePath("report"));  // no extension added
        answer("second.TXT", 0);
        prompts.askSavePath("TB-2.txt");
        QCOMPARE(proposedSeen, QString("TB-2.txt"));
        QCOMPARE(filtersSeen.at(0), QString("文本文件(*.TXT)"));
        QCOMPARE(filtersSeen.at(1), QString("所有文件(*.*)"));
    }

    void hintIsLentByTheNearestEnclosingControl() {
        QWidget window;
        auto* group = new QWidget(&window);
        auto* inner = new QWidget(group);
        QCOMPARE(HintTracker::hintOf(inner), QString());
        group->setStatusTip("group");
        QCOMPARE(HintTracker::hintOf(inner), QString("group"));
        inner->setStatusTip(" ");
        QCOMPARE(HintTracker::hintOf(inner), QString(" "));
        QCOMPARE(HintTracker::hintOf(nullptr), QString());
    }
};

QTEST_MAIN(UiHelpersTest)
#include "ui_helpers_test.moc"
