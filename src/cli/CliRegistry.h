#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "CliCommand.h"

// The command words of tavro-cli, filled before main() by the CliRegistrar objects.
class CliRegistry {
public:
    using Factory = std::function<std::unique_ptr<CliCommand>()>;

    static CliRegistry &instance();

    void add(const QString &name, Factory factory);
    // nullptr for an unknown word.
    std::unique_ptr<CliCommand> create(const QString &name) const;
    // Every command, in name order.
    std::vector<std::unique_ptr<CliCommand>> all() const;

private:
    std::map<QString, Factory> m_factories;
};

// `static CliRegistrar<InfoCommand> registrar;` in a command's source file makes it available.
template <typename Command> class CliRegistrar {
public:
    CliRegistrar()
    {
        CliRegistry::instance().add(Command().name(), [] { return std::make_unique<Command>(); });
    }
};
