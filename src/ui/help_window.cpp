#include "ui/help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/app_title.h"

namespace quendral::ui {

namespace {

const QUrl& contentsPage() {
    static const QUrl page(QStringLiteral("qrc:/help/index.html"));
    return page;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName("helpWindow");
    setWindowTitle(QStringLiteral("%1 帮助").arg(QString::fromUtf8(kApplicationTitle)));

    browser_ = new QTextBrowser(this);
    browser_->setObjectName("helpBrowser");
    browser_->setOpenExternalLinks(true);
    // One look for every page, whatever each page links.
    QFile styleSheet(QStringLiteral(":/help/help.css"));
    if (styleSheet.open(QIODevice::ReadOnly)) {
        browser_->document()->setDefaultStyleSheet(QString::fromUtf8(styleSheet.readAll()));
    }

    auto* contents = new QPushButton(style()->standardIcon(QStyle::SP_DirHomeIcon),
                                     QStringLiteral("目录(&T)"), this);
    auto* back = new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack),
                                 QStringLiteral("后退(&B)"), this);
    auto* forward = new QPushButton(style()->standardIcon(QStyle::SP_ArrowForward),
                                    QStringLiteral("前进(&F)"), this);
    auto* close = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                  QStringLiteral("关闭"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { browser_->setSource(contentsPage()); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_, 1);

    const int em = fontMetrics().averageCharWidth();
    resize(em * 130, fontMetrics().height() * 44);
}

void HelpWindow::showContents() {
    browser_->setSource(contentsPage());
    show();
    raise();
    activateWindow();
}

}  // namespace quendral::ui
