// SPDX-License-Identifier: MIT
#pragma once
#include <QObject>

#include <map>
#include <vector>

#include "app/CommandSpec.h"

class QAction;
class QActionGroup;
class QWidget;

// One QAction per row of the command table, carrying its id (WidgetId), menu
// text, status-bar prompt, tooltip, icon and mark. The menu and the toolbar are
// built from these actions; MainCommands::updateCommands() sets their state.
class CommandActions : public QObject
{
    Q_OBJECT

public:
    CommandActions(const std::vector<CommandSpec>& table, QWidget* owner);

    // nullptr for an id not in the table.
    QAction* action(int id) const;
    const std::vector<CommandSpec>& table() const { return m_table; }

Q_SIGNALS:
    void commandTriggered(int id);

private:
    QAction* createAction(const CommandSpec& spec, QWidget* owner);

    std::vector<CommandSpec> m_table;
    std::map<int, QAction*> m_actions;
    QActionGroup* m_radioGroup;
};
