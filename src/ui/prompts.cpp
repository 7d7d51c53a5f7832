#include "ui/prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "ui/app_title.h"

namespace quendral::ui {

namespace {

// Message boxes block every window of the program and sit over the one that is active.
void showBox(QMessageBox::Icon icon, const QString& caption, const QString& text) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace

WidgetPrompts::WidgetPrompts(QWidget& owner) : owner_(owner) {}

WidgetPrompts::~WidgetPrompts() = default;

void WidgetPrompts::warning(const QString& caption, const QString& text) {
    showBox(QMessageBox::Warning, caption, text);
}

void WidgetPrompts::error(const QString& text) {
    showBox(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle), text);
}

QFileDialog& WidgetPrompts::saveDialog() {
    if (!saveDialog_) {
        saveDialog_ = std::make_unique<QFileDialog>(&owner_);
        saveDialog_->setObjectName("SaveDialog1");
        saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
        saveDialog_->setFileMode(QFileDialog::AnyFile);
        // The report file is named by the user alone: no extension is added and an existing
        // file is replaced without a question.
        saveDialog_->setOption(QFileDialog::DontConfirmOverwrite);
        saveDialog_->setOption(QFileDialog::HideNameFilterDetails);
        saveDialog_->setNameFilters(
            {QStringLiteral("文本文件(*.TXT) (*.txt)"), QStringLiteral("所有文件(*.*) (*)")});
        saveDialog_->setWindowModality(Qt::ApplicationModal);
    }
    return *saveDialog_;
}

std::optional<QString> WidgetPrompts::askSavePath(const QString& proposedName) {
    QFileDialog& dialog = saveDialog();
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.first();
}

}  // namespace quendral::ui
