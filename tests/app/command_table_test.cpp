#include "app/command_table.h"

// project
#include "app/command_ids.h"

// Qt
#include <QKeySequence>
#include <QList>
#include <QString>

// std
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <vector>

using app::Commands;
using app::FindCommand;

TEST(CommandTable, IdsAreUniqueAndFindable)
{
    std::set<int> ids;
    for (const app::CommandInfo& info : Commands()) {
        EXPECT_TRUE(ids.insert(info.id).second) << "duplicate id " << info.id;
        EXPECT_EQ(FindCommand(info.id), &info);
    }
    EXPECT_EQ(FindCommand(12345), nullptr);
    for (int i = 0; i < cmd::kRecentFileCount; ++i)
        EXPECT_NE(FindCommand(cmd::RecentFile1 + i), nullptr);
}

// Qt disables both actions when two share a key, so a clash would silently
// kill an accelerator.
TEST(CommandTable, EveryAcceleratorBelongsToOneCommand)
{
    std::map<QKeySequence, int> owner;
    for (const app::CommandInfo& info : Commands()) {
        if (*info.keys == '\0')
            continue;
        for (const QKeySequence& key : QKeySequence::listFromString(QString::fromLatin1(info.keys))) {
            ASSERT_FALSE(key.isEmpty()) << "unreadable key list of " << info.id;
            const auto [it, added] = owner.emplace(key, info.id);
            EXPECT_TRUE(added) << key.toString().toStdString() << " used by " << it->second << " and " << info.id;
        }
    }
    EXPECT_EQ(owner.at(QKeySequence(QStringLiteral("Shift+Ins"))), cmd::Paste);
    EXPECT_EQ(owner.at(QKeySequence(QStringLiteral("Shift+Del"))), cmd::Cut);
    EXPECT_EQ(owner.at(QKeySequence(QStringLiteral("Alt+Backspace"))), cmd::Undo);
    EXPECT_EQ(owner.at(QKeySequence(QStringLiteral("Ctrl+Z"))), 57643);
    EXPECT_EQ(owner.at(QKeySequence(QStringLiteral("Ctrl+Y"))), 57644);
    EXPECT_EQ(owner.at(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))), 57644);
    EXPECT_EQ(owner.at(QKeySequence(QStringLiteral("Shift+F6"))), cmd::PrevPane);
}

// A key hint in a menu text must name the key that really runs the command.
TEST(CommandTable, MenuKeyHintsMatchTheAccelerators)
{
    for (const app::CommandInfo& info : Commands()) {
        const QString text = QString::fromLatin1(info.text);
        if (!text.contains(QLatin1Char('\t')))
            continue;
        const QKeySequence hint(text.section(QLatin1Char('\t'), 1));
        const auto keys = QKeySequence::listFromString(QString::fromLatin1(info.keys));
        EXPECT_TRUE(keys.contains(hint)) << info.text;
    }
}

TEST(CommandTable, MenuBarsHoldTheirEntries)
{
    auto entries = [](app::MenuId menu, unsigned bar) {
        std::vector<int> ids;
        for (const app::CommandInfo& info : Commands()) {
            if (info.menu == menu && (info.menuBars & bar) != 0)
                ids.push_back(info.id);
        }
        return ids;
    };
    const std::vector<int> fileNoDocument{cmd::New, cmd::Open, cmd::RecentFile1, cmd::RecentFile1 + 1,
                                          cmd::RecentFile1 + 2, cmd::RecentFile1 + 3, cmd::Exit};
    EXPECT_EQ(entries(app::MenuId::File, app::kMenuNoDocument), fileNoDocument);
    EXPECT_TRUE(entries(app::MenuId::Edit, app::kMenuNoDocument).empty());
    EXPECT_TRUE(entries(app::MenuId::Radio, app::kMenuNoDocument).empty());
    EXPECT_EQ(entries(app::MenuId::View, app::kMenuNoDocument),
              (std::vector<int>{cmd::ViewToolbar, cmd::ViewStatusBar}));
    EXPECT_EQ(entries(app::MenuId::Help, app::kMenuNoDocument), (std::vector<int>{cmd::HelpContents, cmd::About}));
    EXPECT_EQ(entries(app::MenuId::Edit, app::kMenuDocument),
              (std::vector<int>{cmd::Undo, cmd::Redo, cmd::Cut, cmd::Copy, cmd::Paste, cmd::Insert, cmd::Delete, cmd::Sort,
                                cmd::Fill, cmd::MoveUp, cmd::MoveDown, cmd::Find, cmd::FindNext, cmd::FindPrevious,
                                cmd::GoTo}));
    EXPECT_EQ(entries(app::MenuId::Radio, app::kMenuDocument),
              (std::vector<int>{cmd::GetData, cmd::SendData, cmd::ComportSetup}));
    EXPECT_EQ(entries(app::MenuId::View, app::kMenuDocument),
              (std::vector<int>{cmd::Settings, cmd::BankSettings, cmd::Options, cmd::AllowedCharacters,
                                cmd::ViewToolbar, cmd::ViewStatusBar}));
}
