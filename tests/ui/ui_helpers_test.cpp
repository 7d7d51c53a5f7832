#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "ui/decimal_separator.h"
#include "ui/enter_navigation.h"
#include "ui/hint_tracker.h"
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
