// The management dialog: the registration list is read from "pre.ini" when the dialog opens; the
// registration and deletion themselves are the ShapeLibrary's.
#include "shapes/LibraryManageDialog.h"

#include <QDateTime>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/Messenger.h"
#include "editing/SelectAllOnFocus.h"
#include "io/TextFile.h"
#include "shapes/ShapeLibrary.h"

namespace kuvanto {

LibraryManageDialog::LibraryManageDialog(const ShapeLibrary& library, Messenger& messenger,
                                         QWidget* parent)
    : QDialog(parent), library_(library), messenger_(messenger) {
    setObjectName(QStringLiteral("JIS_PreRst_Mgmt_Form"));
    setWindowTitle(tr("登録図形データファイルの管理"));

    auto* add = new QGroupBox(tr("データファイル登録"), this);
    file_ = new QLineEdit(add);
    file_->setObjectName(QStringLiteral("DT_AddresText"));
    file_->setMinimumWidth(320);
    auto* browseButton = new QPushButton(QStringLiteral("<"), add);
    browseButton->setObjectName(QStringLiteral("Command1"));
    name_ = new QLineEdit(add);
    name_->setObjectName(QStringLiteral("NM_Text"));
    name_->setPlaceholderText(tr("任意の名前を入力して下さい。"));
    name_->setText(QStringLiteral("Untitled...(") +
                   QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat) +
                   QLatin1Char(')'));
    SelectAllOnFocus::install(file_);
    SelectAllOnFocus::install(name_);
    auto* ok = new QPushButton(tr("OK"), add);
    ok->setObjectName(QStringLiteral("Command3"));
    auto* addLayout = new QGridLayout(add);
    addLayout->addWidget(new QLabel(tr("データファイル："), add), 0, 0);
    addLayout->addWidget(file_, 0, 1);
    addLayout->addWidget(browseButton, 0, 2);
    addLayout->addWidget(new QLabel(tr("登録名称："), add), 1, 0);
    addLayout->addWidget(name_, 1, 1);
    addLayout->addWidget(ok, 1, 2);

    auto* remove = new QGroupBox(tr("登録削除"), this);
    list_ = new QListWidget(remove);
    list_->setObjectName(QStringLiteral("List1"));
    auto* deleteButton = new QPushButton(tr("Delete"), remove);
    deleteButton->setObjectName(QStringLiteral("Command2"));
    auto* removeLayout = new QHBoxLayout(remove);
    removeLayout->addWidget(list_, 1);
    removeLayout->addWidget(deleteButton, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(add);
    layout->addWidget(remove, 1);

    connect(browseButton, &QPushButton::clicked, this, &LibraryManageDialog::browse);
    connect(ok, &QPushButton::clicked, this, &LibraryManageDialog::registerFile);
    connect(deleteButton, &QPushButton::clicked, this, &LibraryManageDialog::deleteSelected);

    // An empty registry (after the last registration was deleted) is no error here.
    const std::optional<std::string> text = readTextFile(library_.registryPath());
    const RegistryRead registry = text ? LibraryRegistry::parse(*text) : RegistryRead{};
    for (const RegistryEntry& entry : registry.entries)
        list_->addItem(QString::fromStdString(entry.item()));
    const bool blank = text && QString::fromStdString(*text).trimmed().isEmpty();
    if (!text || (!registry.ok && !blank)) messenger_.notice(ShapeLibrary::kRegistryReadError);
}

void LibraryManageDialog::browse() {
    const QString folder = QDir::toNativeSeparators(library_.dataFolder() + QLatin1Char('/'));
    messenger_.notice(tr("データファイルはcsv形式で、フォーマットが決まっています。\r"
                         "又、登録場所(保存フィルダ)は以下の通りとしてください。\r\r") +
                      folder);
    const QString path =
        messenger_.chooseOpenFile(tr("データファイルを選択して下さい。"),
                                  QStringLiteral("*.csv|*.csv"), library_.dataFolder());
    if (!path.isEmpty()) file_->setText(path);
}

void LibraryManageDialog::registerFile() {
    if (library_.registerFile(name_->text(), file_->text(), messenger_)) accept();
}

void LibraryManageDialog::deleteSelected() {
    const QListWidgetItem* item = list_->currentItem();
    if (!item || !item->isSelected()) return;
    if (library_.deleteItem(item->text(), messenger_)) accept();
}

}  // namespace kuvanto
