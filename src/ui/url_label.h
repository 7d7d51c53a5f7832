#pragma once

#include <QLabel>
#include <QString>

namespace quendral::ui {

// The address a hyperlink label hands to the desktop: its URL as stored, once blanks and
// control characters at both ends have shown that something is there.
//   linkTarget("https://quendral.example/") -> "https://quendral.example/"
//   linkTarget(" mailto:a@b ")              -> " mailto:a@b " (untrimmed)
//   linkTarget("") or linkTarget(" \t\r\n") throws UserError
//       "Error: Property URL not Specified"
QString linkTarget(const QString& url);

// A hyperlink label: a caption drawn blue and underlined, and a URL beside it that a click
// with the left button hands on through clicked(). Its colour never changes; pointing at it
// changes only the pointer.
class UrlLabel : public QLabel {
    Q_OBJECT
public:
    UrlLabel(const QString& caption, const QString& url, QWidget* parent);

    const QString& url() const { return url_; }
    void setUrl(const QString& url) { url_ = url; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString url_;
    bool pressed_ = false;
};

}  // namespace quendral::ui
