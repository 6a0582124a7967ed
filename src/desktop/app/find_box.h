// The find box (Ctrl+F): finds any effect of the eight categories by its
// English or Chinese names as the user types. Up and Down move through the
// results, Enter or a double click chooses one, Escape closes the box.
#pragma once

#include <vector>

#include <QDialog>
#include <QString>

#include "catalogue/search.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace zentrava::desktop {

class FindBox : public QDialog {
    Q_OBJECT
public:
    FindBox(QString programDir, QWidget* parent);

    // Reads the catalogues afresh (so edited ones are found), empties the
    // text and shows the box with the focus in its edit.
    void Open();

    QLineEdit* Edit() const { return edit_; }
    QListWidget* Results() const { return results_; }

Q_SIGNALS:
    // An entry was chosen: its category (toolbar order) and its line.
    void chosen(int category, int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void RetranslateUi();
    void Search(const QString& text);
    void Choose();

    QString programDir_;
    QLabel* label_ = nullptr;
    QLineEdit* edit_ = nullptr;
    QListWidget* results_ = nullptr;
    std::vector<CatalogueList> catalogues_;
    std::vector<SearchHit> hits_;
};

}  // namespace zentrava::desktop
