#pragma once

#include <map>
#include <memory>
#include <vector>

#include "CliCommand.h"

// The command words one tavro-cli program serves, listed by its main().
class CliRegistry {
public:
    template <typename Command> void add()
    {
        m_factories[Command().name()] = []() -> std::unique_ptr<CliCommand> {
            return std::make_unique<Command>();
        };
    }
    // nullptr for a word this program does not serve.
    std::unique_ptr<CliCommand> create(const QString &name) const;
    // Every command, in name order.
    std::vector<std::unique_ptr<CliCommand>> all() const;

private:
    std::map<QString, std::unique_ptr<CliCommand> (*)()> m_factories;
};
