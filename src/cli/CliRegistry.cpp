#include "CliRegistry.h"

CliRegistry &CliRegistry::instance()
{
    static CliRegistry registry;
    return registry;
}

void CliRegistry::add(const QString &name, Factory factory)
{
    m_factories[name] = std::move(factory);
}

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
