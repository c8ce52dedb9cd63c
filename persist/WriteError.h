#pragma once

#include <QString>

#include <stdexcept>

namespace quorvel::persist {

// The one error the player can meet: a change to the settings and score file
// could not be saved. The action that raised it has changed nothing, neither
// the file nor anything the caller handed in.
class WriteError : public std::runtime_error {
public:
    WriteError();

    // What the player is told, in the player's language; what() says the
    // same in English.
    QString message() const;
};

} // namespace quorvel::persist
