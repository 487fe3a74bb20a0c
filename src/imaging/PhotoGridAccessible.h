// SPDX-License-Identifier: MIT
#pragma once
#include <QAccessibleWidget>

#include <map>

class CPhotoListView;

// What a screen reader learns of a photo view. The thumbnail grid is a list
// whose items are its photos (the name, the size and the place among the
// others, marked or not, where on the screen); the single-photo view is a
// picture described by its photo's name and size. The items are made when
// first asked for and live as long as the view's interface.
// GUI thread only, as the view.
class PhotoGridAccessible : public QAccessibleWidget
{
public:
    explicit PhotoGridAccessible(CPhotoListView* view);
    ~PhotoGridAccessible() override;

    // Makes Qt ask this class for every CPhotoListView; once per process is enough.
    static void installFactory();

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    CPhotoListView* view() const;
    bool showsGrid() const;

private:
    class Item;
    mutable std::map<int, QAccessible::Id> m_items;
};
