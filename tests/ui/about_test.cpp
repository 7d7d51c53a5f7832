#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "modal_driver.h"
#include "program_fixture.h"
#include "sheet/fields.h"
#include "ui/Lt2.h"
#include "ui/sjypic.h"
#include "ui/tb.h"
#include "ui/url_label.h"

using quendral::sheet::Field;
using quendral::ui::TAboutBox;
using quendral::ui::Tphoto;
using quendral::ui::UrlLabel;
using quendral::ui::test::Program;
using quendral::ui::test::whenModalOpens;

namespace {

QWidget& child(const QWidget& window, const char* name) {
    auto* widget = window.findChild<QWidget*>(QString::fromUtf8(name));
    if (!widget) qFatal("no element %s", name);
    return *widget;
}

// Which group the band shows: the information rows, the notice lines, or (a fault) both or
// neither.
QString band(const QWidget& about) {
    const bool rows = !child(about, "Label4").isHidden() && !child(about, "wwwLabel").isHidden() &&
                      !child(about, "Label5").isHidden() && !child(about, "EmailLabel").isHidden();
    const bool noRows = child(about, "Label4").isHidden() && child(about, "wwwLabel").isHidden() &&
                        child(about, "Label5").isHidden() && child(about, "EmailLabel").isHidden();
    bool notice = true;
    bool noNotice = true;
    for (const char* line : {"sm1", "sm2", "sm3", "sm4"}) {
        notice = notice && !child(about, line).isHidden();
        noNotice = noNotice && child(about, line).isHidden();
    }
    if (rows && noNotice) return QStringLiteral("rows");
    if (notice && noRows) return QStringLiteral("notice");
    return QStringLiteral("mixed");
}

}  // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT
private slots:
    void bandAlternatesWithTimer2WhileOpen();
    void pictureGesture_data();
    void pictureGesture();
    void links_data();
    void links();
    void logoClickChangesItsTip();
    void secondaryWindowsReportToTheProgramsErrorBox();
};

// Each showing starts with the rows; each Timer2 tick swaps the groups; the return to the
// main window stops Timer2.
void AboutWindowTest::bandAlternatesWithTimer2WhileOpen() {
    Program program;
    quendral::ui::TMainForm& form = program.windows.mainForm();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    QStringList seen;
    bool timerRan = false;
    whenModalOpens([&](QWidget& about) {
        timerRan = form.timer2().isActive() && form.timer2().interval() == 3000;
        seen << band(about);
        form.Timer2Timer();
        seen << band(about);
        form.Timer2Timer();
        seen << band(about);
        form.Timer2Timer();
        seen << band(about);
        about.close();
    });
    form.aboutClick();
    QVERIFY(timerRan);
    QCOMPARE(seen, (QStringList{"rows", "notice", "rows", "notice"}));
    QVERIFY(program.returnToMainWindow());
    QVERIFY(!form.timer2().isActive());

    // Closed while the notice showed; the next showing starts with the rows again.
    QString reopened;
    whenModalOpens([&](QWidget& about) {
        reopened = band(about);
        about.close();
    });
    form.aboutClick();
    QCOMPARE(reopened, QStringLiteral("rows"));
}

void AboutWindowTest::pictureGesture_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("opens");

    const int all = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    const int press = QEvent::MouseButtonPress;
    QTest::newRow("right button, Shift Ctrl Alt") << press << int(Qt::RightButton) << all << true;
    QTest::newRow("without Alt") << press << int(Qt::RightButton)
                                 << int(Qt::ShiftModifier | Qt::ControlModifier) << false;
    QTest::newRow("left button also down")
        << press << int(Qt::RightButton | Qt::LeftButton) << all << false;
    QTest::newRow("middle button also down")
        << press << int(Qt::RightButton | Qt::MiddleButton) << all << false;
    QTest::newRow("left button instead") << press << int(Qt::LeftButton) << all << false;
    QTest::newRow("Meta as well") << press << int(Qt::RightButton) << int(all | Qt::MetaModifier)
                                  << false;
    QTest::newRow("second press of a double-click")
        << int(QEvent::MouseButtonDblClick) << int(Qt::RightButton) << all << false;
}

// Only exactly Shift, Ctrl, Alt and the right button over the team's name open the picture
// window.
void AboutWindowTest::pictureGesture() {
    QFETCH(int, type);
    QFETCH(int, buttons);
    QFETCH(int, modifiers);
    QFETCH(bool, opens);

    TAboutBox about;
    Tphoto photo;
    about.setPictureWindow(&photo);
    QWidget& label2 = child(about, "Label2");

    bool opened = false;
    QTimer::singleShot(0, &photo, [&] {
        opened = photo.isVisible();
        photo.close();
    });
    const Qt::MouseButtons held(buttons);
    const Qt::MouseButton pressed =
        held.testFlag(Qt::RightButton) ? Qt::RightButton : Qt::LeftButton;
    const QPointF inside(5, 5);
    QMouseEvent event(static_cast<QEvent::Type>(type), inside, label2.mapToGlobal(inside), pressed,
                      held, Qt::KeyboardModifiers(modifiers));
    QApplication::sendEvent(&label2, &event);
    QCoreApplication::processEvents();
    QCOMPARE(opened, opens);
    QVERIFY(!photo.isVisible());
}

void AboutWindowTest::links_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("url");  // "-": the label's own address
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("errorBox");

    QTest::newRow("web address") << "wwwLabel"
                                 << "-"
                                 << "https://quendral.example/"
                                 << "";
    QTest::newRow("mail address") << "EmailLabel"
                                  << "-"
                                  << "mailto:help@quendral.example"
                                  << "";
    QTest::newRow("empty address") << "wwwLabel"
                                   << ""
                                   << ""
                                   << "Error: Property URL not Specified.";
    QTest::newRow("blanks and control characters") << "EmailLabel"
                                                   << " \t\r\n "
                                                   << ""
                                                   << "Error: Property URL not Specified.";
}

// A click hands the label's address to the desktop; a blank one goes to the error box.
void AboutWindowTest::links() {
    QFETCH(QString, label);
    QFETCH(QString, url);
    QFETCH(QString, opened);
    QFETCH(QString, errorBox);

    TAboutBox about;
    RecordingPrompts prompts;
    QStringList handedOver;
    about.setPrompts([&]() -> quendral::ui::Prompts& { return prompts; });
    about.setLinkOpener([&](const QUrl& address) { handedOver << address.toString(); });
    auto* link = about.findChild<UrlLabel*>(label);
    QVERIFY(link);
    QCOMPARE(link->text(), link->url());
    if (url != "-") link->setUrl(url);

    QTest::mouseClick(link, Qt::RightButton);
    QVERIFY(handedOver.isEmpty());
    QTest::mouseClick(link, Qt::LeftButton);

    QCOMPARE(handedOver, opened.isEmpty() ? QStringList{} : QStringList{opened});
    QCOMPARE(prompts.errors, errorBox.isEmpty() ? QStringList{} : QStringList{errorBox});
}

void AboutWindowTest::logoClickChangesItsTip() {
    TAboutBox about;
    QWidget& logo = child(about, "Image1");
    const QString before = logo.toolTip();
    QVERIFY(!before.isEmpty());
    QTest::mouseClick(&logo, Qt::LeftButton);
    const QString after = QStringLiteral("详细介绍请浏览网址: https://quendral.example/");
    QCOMPARE(logo.toolTip(), after);
    QCOMPARE(logo.statusTip(), after);  // the status panel shows it too
}

// The About window and the geometry dialog show their errors in the one error box of the
// program, the main window's.
void AboutWindowTest::secondaryWindowsReportToTheProgramsErrorBox() {
    Program program;
    auto* link = program.windows.aboutBox().findChild<UrlLabel*>("wwwLabel");
    link->setUrl(QString());
    QTest::mouseClick(link, Qt::LeftButton);
    auto* stepCount = program.windows.geometryDialog().findChild<QLineEdit*>("Edit6");
    stepCount->setText("11.5");
    program.windows.geometryDialog().BitBtn1Click();
    QCOMPARE(program.prompts->errors, (QStringList{"Error: Property URL not Specified.",
                                                   "'11.5' is not a valid integer value."}));
}

QTEST_MAIN(AboutWindowTest)
#include "about_test.moc"
