#include "ui/ptl.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "ui/button_icons.h"
#include "ui/dialog_keys.h"
#include "ui/songti.h"

namespace quendral::ui {

namespace {

// The fields use the small bold sans-serif of the main window's fields.
QFont fieldFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(12);
    font.setBold(true);
    return font;
}

QLabel* label(const char* text, QPoint at, QWidget& parent, int pixelSize = 16) {
    auto* label = new QLabel(QString::fromUtf8(text), &parent);
    label->setFont(songti(pixelSize));
    label->move(at);
    label->adjustSize();
    return label;
}

QGroupBox* group(const char* name, const char* caption, QRect place, QWidget& parent) {
    auto* box = new QGroupBox(QString::fromUtf8(caption), &parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setGeometry(place);
    return box;
}

// An input field: start text, typing limit (0: none) and status-panel hint, no pop-up tip.
QLineEdit* input(const char* name, const char* text, int limit, const char* hint, QRect place,
                 QWidget& parent) {
    auto* edit = new QLineEdit(QString::fromUtf8(text), &parent);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setFont(fieldFont());
    if (limit > 0) edit->setMaxLength(limit);
    edit->setStatusTip(QString::fromUtf8(hint));
    edit->setGeometry(place);
    return edit;
}

// A result box of the landing-beam design still to come: it shows its own name.
QLineEdit* resultBox(const char* name, QRect place, QWidget& parent) {
    auto* edit = new QLineEdit(QString::fromUtf8(name), &parent);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setFont(fieldFont());
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
    edit->setGeometry(place);
    return edit;
}

QComboBox* arrangementList(const char* name, QRect place, QWidget& parent) {
    auto* box = new QComboBox(&parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setFont(fieldFont());
    box->setEditable(true);
    // What the user types stays as typed: Enter adds nothing to the empty list.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setEditText(QString::fromUtf8(name));
    box->lineEdit()->setCursorPosition(0);  // show the start of the text, not its end
    box->setGeometry(place);
    return box;
}

QPushButton* button(const char* name, const char* caption, ButtonPicture picture, int left,
                    QDialog& window) {
    auto* button = new QPushButton(QString::fromUtf8(caption), &window);
    button->setObjectName(QString::fromUtf8(name));
    button->setIcon(buttonIcon(picture));
    button->setAutoDefault(false);
    button->setGeometry(left, 271, 89, 33);
    return button;
}

}  // namespace

Tptljs::Tptljs(QWidget* parent, ContentBuild build)
    : SecondaryWindow(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("ptljs");
    setWindowTitle(QStringLiteral("平台梁配筋计算"));
    setModal(true);
    setFont(songti(16));
    // With its frame the window measures about 530 x 341.
    resize(522, 312);
    if (build == ContentBuild::Immediate) ensureContent();
}

void Tptljs::buildContent() {
    QGroupBox* beam = group("grpPTCS", "平台梁参数", QRect(8, 8, 505, 85), *this);
    label("平台梁宽度(mm)", QPoint(16, 24), *beam);
    QLineEdit* width =
        input("Edit1", "300", 6, "   输入楼梯踏步宽度(单位为mm)", QRect(168, 24, 49, 21), *beam);
    label("平台梁高度(mm)", QPoint(300, 24), *beam);
    QLineEdit* height =
        input("Edit2", "150", 6, "   输入楼梯踏步高度(单位为mm)", QRect(420, 24, 49, 21), *beam);
    label("平台梁计算宽度(mm)", QPoint(16, 56), *beam);
    QLineEdit* span =
        input("Edit5", "3200", 6, "   输入楼梯计算跨度(单位为mm)", QRect(168, 54, 49, 21), *beam);
    label("平台梁编号", QPoint(300, 56), *beam);
    QLineEdit* mark = input("TBBH", "PTL-1", 0, "   梯板编号,存盘时隐含以此为文件名",
                            QRect(420, 54, 49, 21), *beam);

    QGroupBox* loads = group("grpWJHZ", "外加荷载(均为设计值)", QRect(8, 104, 269, 157), *this);
    label("梯板传来荷载(kN/m)", QPoint(16, 24), *loads);
    QLineEdit* flightLoad =
        input("Edit6", "0.1", 6, "   输入楼梯栏杆自重,按一块梯板设置单面栏杆考虑",
              QRect(168, 24, 53, 21), *loads);
    QGroupBox* loadKind = group("radPTHZLX", "平台板传来荷载", QRect(8, 48, 129, 97), *loads);
    auto* kinds = new QButtonGroup(loadKind);
    int top = 20;
    for (const char* kind : {"均布荷载", "梯形荷载", "三角形荷载"}) {
        auto* item = new QRadioButton(QString::fromUtf8(kind), loadKind);
        item->setGeometry(8, top, 117, 22);
        kinds->addButton(item);
        top += 24;
    }
    kinds->buttons().front()->setChecked(true);
    label("q=", QPoint(144, 76), *loads, 19);
    QLineEdit* q = input("Edit3", "0.1", 6, "", QRect(168, 76, 53, 21), *loads);
    label("kN/m", QPoint(228, 80), *loads);
    label("a=", QPoint(144, 116), *loads, 19);
    QLineEdit* a = input("Edit4", "0.1", 6, "", QRect(168, 116, 53, 21), *loads);
    label("mm", QPoint(228, 116), *loads, 19);

    QGroupBox* results = group("grpJSJG", "计算结果", QRect(284, 104, 229, 157), *this);
    label("跨中弯矩", QPoint(8, 24), *results);
    resultBox("Edit13", QRect(76, 24, 49, 21), *results);
    label("配筋", QPoint(133, 24), *results);
    resultBox("Edit14", QRect(168, 24, 53, 21), *results);
    label("选筋", QPoint(9, 56), *results);
    QComboBox* bars = arrangementList("ComboBox5", QRect(44, 54, 85, 24), *results);
    QLabel* barsNote = label("实配纵筋", QPoint(133, 60), *results, 12);
    label("支座剪力", QPoint(4, 92), *results);
    resultBox("Edit16", QRect(72, 92, 53, 21), *results);
    label("配箍", QPoint(133, 92), *results);
    resultBox("Edit17", QRect(168, 92, 53, 21), *results);
    label("选箍", QPoint(5, 124), *results);
    QComboBox* stirrups = arrangementList("ComboBox6", QRect(40, 122, 89, 24), *results);
    QLabel* stirrupsNote = label("实配箍筋", QPoint(133, 128), *results, 12);
    for (QLabel* note : {barsNote, stirrupsNote}) {
        QPalette green = note->palette();
        green.setColor(QPalette::WindowText, QColor(0, 128, 0));
        note->setPalette(green);
    }

    // Neither button does more than close the window; nothing is computed yet.
    QPushButton* compute = button("computer", "计算(&C)", ButtonPicture::Calculate, 136, *this);
    QPushButton* exit = button("exit", "返回(&X)", ButtonPicture::Exit, 289, *this);
    connect(compute, &QPushButton::clicked, this, &QDialog::accept);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);

    const QList<QAbstractButton*> items = kinds->buttons();
    QWidget* order[] = {width,    height, mark, span, flightLoad, items[0], items[1],
                        items[2], q,      a,    bars, stirrups,   exit,     compute};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void Tptljs::keyPressEvent(QKeyEvent* event) {
    if (!handleDialogKey(*this, *event)) QDialog::keyPressEvent(event);
}

}  // namespace quendral::ui
