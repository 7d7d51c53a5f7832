#include "ui/url_label.h"

#include <QMouseEvent>
#include <algorithm>

#include "numeric/error.h"

namespace quendral::ui {

namespace {

// Blanks and control characters: everything up to and including the space.
bool isPadding(QChar c) { return c.unicode() <= u' '; }

}  // namespace

QString linkTarget(const QString& url) {
    const bool blank = std::all_of(url.cbegin(), url.cend(), isPadding);
    if (blank) throw UserError("Error: Property URL not Specified");
    return url;
}

UrlLabel::UrlLabel(const QString& caption, const QString& url, QWidget* parent)
    : QLabel(caption, parent), url_(url) {
    setTextFormat(Qt::PlainText);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(colours);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
}

// A click is a left-button press and release over the label, as with any button.
void UrlLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void UrlLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit clicked();
}

}  // namespace quendral::ui
