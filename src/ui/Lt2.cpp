#include "ui/Lt2.h"

#include <QDesktopServices>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "ui/about_pictures.h"
#include "ui/app_title.h"
#include "ui/dialog_keys.h"
#include "ui/error_boundary.h"
#include "ui/program_icon.h"
#include "ui/prompts.h"
#include "ui/sjypic.h"
#include "ui/songti.h"
#include "ui/url_label.h"

namespace quendral::ui {

namespace {

// The project's own identification. The addresses are placeholders of the project.
constexpr char kVersionLine[] = "版本 " QUENDRAL_VERSION;
constexpr char kOwnershipLine[] = "Quendral项目  版权所有";
constexpr char kTeamName[] = "结构设计组";
constexpr char kTeamTip[] = "Quendral项目结构设计组";
constexpr char kLogoTip[] = "Quendral项目";
constexpr char kDesignerTip[] = "程序设计: Quendral项目组";
constexpr char kWebAddress[] = "https://quendral.example/";
constexpr char kMailAddress[] = "mailto:help@quendral.example";

// The notice: one sentence broken over four lines of the band, the last padded with blanks
// so that it starts where the others do.
constexpr std::array<const char*, 4> kNotice = {
    "本程序为学习面向对象程序设计语言的练习之作,",
    "错误和疏漏难免,欢迎批评指正。基于免费软件原",
    "则,对使用本软件产生的后果不承担任何责任,计",
    "算结果请校核后谨慎使用。                 ",
};

const QColor kGreen(0, 128, 0);
const QColor kMaroon(128, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kNavy(0, 0, 128);
const QColor kRed(255, 0, 0);

void setTextColour(QWidget& widget, const QColor& colour) {
    QPalette colours = widget.palette();
    colours.setColor(QPalette::WindowText, colour);
    widget.setPalette(colours);
}

void setHint(QWidget& widget, const char* hint) {
    widget.setToolTip(QString::fromUtf8(hint));
    widget.setStatusTip(QString::fromUtf8(hint));
}

// A label at its place on the panel; it grows to the right when its text needs more room.
QLabel* label(const char* name, const char* text, QRect place, QWidget& panel) {
    auto* label = new QLabel(QString::fromUtf8(text), &panel);
    label->setObjectName(QString::fromUtf8(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(songti(16));
    place.setWidth(std::max(place.width(), label->sizeHint().width()));
    label->setGeometry(place);
    return label;
}

QLabel* picture(const char* name, const QPixmap& pixmap, QRect place, QWidget& panel) {
    auto* picture = new QLabel(&panel);
    picture->setObjectName(QString::fromUtf8(name));
    picture->setPixmap(pixmap);
    picture->setGeometry(place);
    return picture;
}

UrlLabel* link(const char* name, const char* address, QRect place, QWidget& panel) {
    auto* link = new UrlLabel(QString::fromUtf8(address), QString::fromUtf8(address), &panel);
    link->setObjectName(QString::fromUtf8(name));
    QFont font = songti(16);
    font.setItalic(true);
    font.setUnderline(true);
    link->setFont(font);
    link->setCursor(Qt::PointingHandCursor);
    place.setWidth(std::max(place.width(), link->sizeHint().width()));
    link->setGeometry(place);
    return link;
}

QLabel* noticeLine(int number, QRect place, QWidget& panel) {
    auto* line =
        new QLabel(QString::fromUtf8(kNotice[static_cast<std::size_t>(number - 1)]), &panel);
    line->setObjectName(QStringLiteral("sm%1").arg(number));
    line->setTextFormat(Qt::PlainText);
    QFont font = songti(13);
    font.setItalic(true);
    font.setUnderline(true);
    line->setFont(font);
    QPalette colours = line->palette();
    colours.setColor(QPalette::Window, kNavy);
    colours.setColor(QPalette::WindowText, kRed);
    line->setPalette(colours);
    line->setAutoFillBackground(true);
    line->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    line->setGeometry(place);
    return line;
}

// The picture window opens only for exactly Shift, Ctrl and Alt with the right button alone.
bool isPictureGesture(const QMouseEvent& press) {
    const Qt::KeyboardModifiers held = press.modifiers() & ~Qt::KeypadModifier;
    return press.button() == Qt::RightButton && press.buttons() == Qt::RightButton &&
           held == (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent, ContentBuild build)
    : SecondaryWindow(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                  Qt::MSWindowsFixedSizeDialogHint),
      openLink_([](const QUrl& address) { QDesktopServices::openUrl(address); }) {
    setObjectName("AboutBox");
    setWindowTitle(QStringLiteral("关于\"%1\"").arg(QString::fromUtf8(kApplicationTitle)));
    setModal(true);
    setFixedSize(353, 249);
    if (build == ContentBuild::Immediate) ensureContent();
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::buildContent() {
    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    panel->setGeometry(8, 8, 337, 233);

    auto* icon = picture("ProgramIcon", programIconPicture(), QRect(17, 9, 36, 34), *panel);
    icon->setScaledContents(true);

    QLabel* productName = label("ProductName", kApplicationTitle, QRect(68, 12, 241, 29), *panel);
    QFont nameFont = songti(29);
    nameFont.setBold(true);
    productName->setFont(nameFont);
    productName->setGeometry(68, 12, std::max(241, productName->sizeHint().width()), 29);
    productName->setAlignment(Qt::AlignCenter);
    setTextColour(*productName, kGreen);

    QLabel* version = label("Version", kVersionLine, QRect(118, 50, 128, 16), *panel);
    QFont versionFont = songti(16);
    versionFont.setUnderline(true);
    version->setFont(versionFont);
    version->setAlignment(Qt::AlignCenter);
    setTextColour(*version, kMaroon);

    label("Copyright", kOwnershipLine, QRect(19, 79, 208, 16), *panel);
    label("Comments", "设    计:", QRect(20, 104, 72, 16), *panel);

    image1_ = picture("Image1", projectLogo(), QRect(100, 98, 93, 27), *panel);
    image1_->setCursor(Qt::PointingHandCursor);
    setHint(*image1_, kLogoTip);
    image1_->installEventFilter(this);

    label2_ = label("Label2", kTeamName, QRect(194, 104, 112, 16), *panel);
    label2_->setCursor(Qt::DragCopyCursor);
    setHint(*label2_, kTeamTip);
    label2_->installEventFilter(this);

    QLabel* image2 = picture("Image2", designerPicture(), QRect(128, 124, 91, 27), *panel);
    setHint(*image2, kDesignerTip);

    UrlLabel* www = link("wwwLabel", kWebAddress, QRect(100, 176, 200, 16), *panel);
    UrlLabel* email = link("EmailLabel", kMailAddress, QRect(100, 200, 208, 16), *panel);
    informationRows_ = {label("Label4", "程序更新:", QRect(20, 176, 72, 16), *panel), www,
                        label("Label5", "联    系:", QRect(20, 200, 72, 16), *panel), email};
    for (UrlLabel* each : {www, email}) {
        connect(each, &UrlLabel::clicked, this, [this, each] { followLink(*each); });
    }

    // The notice lines lie over the information rows; only one group shows at a time.
    for (int number = 1; number <= 4; ++number) {
        noticeLines_[static_cast<std::size_t>(number - 1)] =
            noticeLine(number, QRect(20, 152 + 16 * (number - 1), 297, 17), *panel);
    }
    showInformationRows();
}

void TAboutBox::showInformationRows() {
    ensureContent();
    for (QWidget* row : informationRows_) row->show();
    for (QWidget* line : noticeLines_) line->hide();
}

void TAboutBox::alternateBand() {
    ensureContent();
    const bool noticeShown = !noticeLines_[0]->isHidden();
    for (QWidget* row : informationRows_) row->setVisible(noticeShown);
    for (QWidget* line : noticeLines_) line->setVisible(!noticeShown);
}

void TAboutBox::Image1Click() {
    ensureContent();
    const QString tip = QStringLiteral("详细介绍请浏览网址: ") + QString::fromUtf8(kWebAddress);
    image1_->setToolTip(tip);
    image1_->setStatusTip(tip);
}

void TAboutBox::followLink(const UrlLabel& link) {
    reportErrors(prompts(), [&] { openLink_(QUrl(linkTarget(link.url()))); });
}

Prompts& TAboutBox::prompts() {
    if (prompts_) return prompts_();
    if (!ownPrompts_) ownPrompts_ = std::make_unique<WidgetPrompts>(*this);
    return *ownPrompts_;
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label2_ && event->type() == QEvent::MouseButtonPress) {
        if (photo_ && isPictureGesture(*static_cast<QMouseEvent*>(event))) photo_->exec();
    } else if (watched == image1_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        if (release->button() == Qt::LeftButton &&
            image1_->rect().contains(release->position().toPoint())) {
            Image1Click();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::keyPressEvent(QKeyEvent* event) {
    if (!handleDialogKey(*this, *event)) QDialog::keyPressEvent(event);
}

void TAboutBox::showEvent(QShowEvent* event) {
    showInformationRows();
    QDialog::showEvent(event);
}

}  // namespace quendral::ui
