// The user's folders by the XDG base directory rules: $XDG_DATA_HOME, $XDG_STATE_HOME and
// $XDG_CONFIG_HOME when set to an absolute path (a relative one is ignored, as the
// rules say), else ~/.local/share, ~/.local/state and ~/.config.
#pragma once

#include <string>

namespace vorrith {

struct UserFolders {
    std::string home;
    std::string data;    // pictures
    std::string state;   // what --daily remembers
    std::string config;  // systemd's user units
    std::string error;   // no home folder could be found
};

// From the environment, and the password database when $HOME is unset.
UserFolders FindUserFolders();

// Makes folder and the folders above it that are missing (mode 0700: the base folders'
// mode); "" or the one-line message.
std::string MakeFolders(const std::string& folder);

// folder + "/" + name.
std::string InFolder(const std::string& folder, const std::string& name);

}  // namespace vorrith
