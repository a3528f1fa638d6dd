#pragma once
// Menu handlers bound by item name: each window and the application keep one
// table. A handler answers True when it has fully handled the command.
#include <functional>
#include <string>
#include <utility>
#include <vector>

class MenuHandlerTable {
public:
    using Handler = std::function<bool()>;

    // Binds (or rebinds) the handler for an item name; names are case-blind.
    void AddMenuHandler(const std::string& name, Handler handler);
    bool has(const std::string& name) const;
    // Runs the handler bound to name; False when none is bound.
    bool invoke(const std::string& name) const;

private:
    const Handler* find(const std::string& name) const;
    std::vector<std::pair<std::string, Handler>> handlers_;
};
