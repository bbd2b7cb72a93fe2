#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStringList>
#include <QWidget>

namespace delvora::test {

// Han ideographs and the full-width punctuation of Chinese texts ("：", "！", "，").
inline bool hasHan(const QString &text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) ||
            (u >= 0xFF00 && u <= 0xFFEF))
            return true;
    }
    return false;
}

// Every text the operator can read in `root` and its children: titles, labels, buttons, group
// titles, combo items, menu titles and items, column headings, tooltips, accessible names and
// descriptions. Each text is prefixed with where it was found. Actions named in `skipActions`
// are left out.
inline QStringList readableTexts(QWidget *root, const QStringList &skipActions = {}) {
    QStringList texts;
    auto add = [&texts](const QObject *o, const char *what, const QString &text) {
        if (!text.isEmpty())
            texts << o->objectName() + u'/' + QString::fromLatin1(o->metaObject()->className()) +
                         u' ' + QString::fromLatin1(what) + QStringLiteral(": ") + text;
    };
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        add(w, "title", w->windowTitle());
        add(w, "tooltip", w->toolTip());
        add(w, "accessible name", w->accessibleName());
        add(w, "accessible description", w->accessibleDescription());
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            add(w, "text", b->text());
        if (auto *l = qobject_cast<QLabel *>(w))
            add(w, "text", l->text());
        if (auto *g = qobject_cast<QGroupBox *>(w))
            add(w, "title", g->title());
        if (auto *e = qobject_cast<QLineEdit *>(w))
            add(w, "placeholder", e->placeholderText());
        if (auto *c = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < c->count(); ++i)
                add(w, "item", c->itemText(i));
        if (auto *m = qobject_cast<QMenu *>(w)) {
            add(w, "menu", m->title());
            for (QAction *a : m->actions()) {
                if (skipActions.contains(a->objectName()))
                    continue;
                add(a, "action", a->text());
                add(a, "action tooltip", a->toolTip());
            }
        }
        if (auto *v = qobject_cast<QAbstractItemView *>(w); v && v->model()) {
            for (int i = 0; i < v->model()->columnCount(); ++i)
                add(w, "heading", v->model()->headerData(i, Qt::Horizontal).toString());
        }
    }
    return texts;
}

// The texts of `texts` that hold Chinese.
inline QStringList withHan(const QStringList &texts) {
    QStringList found;
    for (const QString &t : texts)
        if (hasHan(t))
            found << t;
    return found;
}

} // namespace delvora::test
