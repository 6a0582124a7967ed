#include "app/find_box.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/interface_font.h"
#include "app/language.h"
#include "output/text_codec.h"

namespace zentrava::desktop {

FindBox::FindBox(QString programDir, QWidget* parent) : QDialog(parent), programDir_(std::move(programDir)) {
    setObjectName(QStringLiteral("FindBox"));
    setModal(false);
    resize(Scaled(QSize(420, 320)));
    auto* layout = new QVBoxLayout(this);
    label_ = new QLabel(this);
    auto* label = label_;
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("FindEdit"));
    edit_->setClearButtonEnabled(true);
    label->setBuddy(edit_);
    results_ = new QListWidget(this);
    results_->setObjectName(QStringLiteral("FindResults"));
    layout->addWidget(label);
    layout->addWidget(edit_);
    layout->addWidget(results_);
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textChanged, this, &FindBox::Search);
    connect(results_, &QListWidget::itemActivated, this, [this] { Choose(); });
    RetranslateUi();
}

void FindBox::RetranslateUi() {
    setWindowTitle(tr("Find an effect"));
    label_->setText(tr("&Find (English or Chinese name):"));
    // The results name their category and entry in the interface language.
    const int row = results_->currentRow();
    Search(edit_->text());
    if (row >= 0 && row < results_->count()) results_->setCurrentRow(row);
}

void FindBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) RetranslateUi();
    QDialog::changeEvent(event);
}

void FindBox::Open() {
    catalogues_ = LoadAllCatalogues(ToPath(programDir_));
    edit_->clear();
    Search(QString());
    show();
    raise();
    activateWindow();
    edit_->setFocus();
}

void FindBox::Search(const QString& text) {
    hits_ = FindEffects(catalogues_, ToBytes(text));
    results_->clear();
    for (const SearchHit& hit : hits_) {
        const Tplugin& p = hit.entry;
        // The category as its toolbar button is captioned.
        const QString category =
            QCoreApplication::translate("zentrava::desktop::MainWindow", Categories()[hit.category].caption);
        auto* item = new QListWidgetItem(
            QStringLiteral("%1 \u2014 %2").arg(category, FromBytes(ShownName(p, InterfaceNameScript()))), results_);
        item->setToolTip(FromBytes(p.ename) + QStringLiteral("\n") + FromBytes(p.gbname) + QStringLiteral("\n") +
                         FromBytes(p.bigname));
    }
    if (results_->count() > 0) results_->setCurrentRow(0);
}

void FindBox::Choose() {
    const int row = results_->currentRow();
    if (row < 0 || row >= static_cast<int>(hits_.size())) return;
    const SearchHit hit = hits_[static_cast<std::size_t>(row)];
    hide();
    Q_EMIT chosen(static_cast<int>(hit.category), static_cast<int>(hit.index));
}

bool FindBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int count = results_->count();
        if ((key == Qt::Key_Down || key == Qt::Key_Up) && count > 0) {
            const int row = results_->currentRow() + (key == Qt::Key_Down ? 1 : -1);
            results_->setCurrentRow(std::clamp(row, 0, count - 1));
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Choose();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zentrava::desktop
