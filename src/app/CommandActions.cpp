// SPDX-License-Identifier: MIT
#include "app/CommandActions.h"

#include "platform/WidgetId.h"
#include "res/AppResources.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QWidget>

namespace {

QString translated(const char* text)
{
    return text ? QCoreApplication::translate(kCommandTextContext, text) : QString();
}

} // namespace

CommandActions::CommandActions(const std::vector<CommandSpec>& table, QWidget* owner)
    : QObject(owner)
    , m_table(table)
    , m_radioGroup(new QActionGroup(this))
{
    m_radioGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const CommandSpec& spec : m_table)
        m_actions[spec.id] = createAction(spec, owner);
}

QAction* CommandActions::action(int id) const
{
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

QAction* CommandActions::createAction(const CommandSpec& spec, QWidget* owner)
{
    auto* action = new QAction(translated(spec.menuText), owner);
    WidgetId::set(action, spec.id);
    if (spec.icon)
        action->setIcon(AppResources::icon(QString::fromUtf8(spec.icon)));
    action->setStatusTip(translated(spec.prompt));
    action->setToolTip(translated(spec.toolTip));
    if (!spec.shortcut.isEmpty()) {
        action->setShortcut(spec.shortcut);
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    if (spec.mark != CommandMark::None) {
        action->setCheckable(true);
        // A menu draws an item's icon in place of its check or radio mark: a
        // marked command shows its mark there, its icon on the toolbar.
        action->setIconVisibleInMenu(false);
    }
    if (spec.mark == CommandMark::Radio)
        m_radioGroup->addAction(action);
    // Shortcuts work while the toolbar is hidden too.
    owner->addAction(action);
    const int id = spec.id;
    connect(action, &QAction::triggered, this, [this, id] { Q_EMIT commandTriggered(id); });
    return action;
}
