#pragma once

#include <QUrl>
#include <array>
#include <functional>
#include <memory>

#include "ui/secondary_window.h"

class QLabel;

namespace quendral::ui {

class Prompts;
class Tphoto;
class UrlLabel;

// The About window: the program's identification, with a band that alternates between the
// information rows (update address and contact) and the four notice lines while the main
// window's Timer2 runs. Its hyperlink labels hand their address to the desktop.
class TAboutBox : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr, ContentBuild build = ContentBuild::Immediate);
    ~TAboutBox() override;

    // The picture window that the hidden mouse gesture opens over this window.
    void setPictureWindow(Tphoto* photo) { photo_ = photo; }

    // The error box for a link without an address: the main window's, which the window
    // tests replace. Without one the window shows its own boxes.
    void setPrompts(std::function<Prompts&()> prompts) { prompts_ = std::move(prompts); }

    // How a link's address reaches the desktop's browser or mail program; the tests record
    // it instead. Its answer is not examined.
    using LinkOpener = std::function<void(const QUrl&)>;
    void setLinkOpener(LinkOpener opener) { openLink_ = std::move(opener); }

    // Every showing starts with the information rows; the first swap comes one Timer2 period
    // later.
    void showInformationRows();

    // One tick of Timer2: the information rows give way to the notice lines, or the other
    // way round.
    void alternateBand();

    // The logo's click: its tip becomes the pointer to the project's web address.
    void Image1Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildContent() override;
    void followLink(const UrlLabel& link);
    Prompts& prompts();

    QLabel* image1_ = nullptr;
    QLabel* label2_ = nullptr;
    std::array<QWidget*, 4> informationRows_{};  // Label4, wwwLabel, Label5, EmailLabel
    std::array<QWidget*, 4> noticeLines_{};      // sm1 .. sm4
    Tphoto* photo_ = nullptr;
    std::function<Prompts&()> prompts_;
    std::unique_ptr<Prompts> ownPrompts_;
    LinkOpener openLink_;
};

}  // namespace quendral::ui
