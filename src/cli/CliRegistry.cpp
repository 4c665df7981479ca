#include "CliRegistry.h"

std::unique_ptr<CliCommand> CliRegistry::create(const QString &name) const
{
    const auto it = m_factories.find(name);
    return it == m_factories.end() ? nullptr : it->second();
}

std::vector<std::unique_ptr<CliCommand>> CliRegistry::all() const
{
    std::vector<std::unique_ptr<CliCommand>> commands;
    for (const auto &[name, factory] : m_factories)
        commands.push_back(factory());
    return commands;
}
