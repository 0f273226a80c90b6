#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>
#include <optional>

// The machine's CUPS queues, asked for on a thread of their own with a time
// limit: a print server that accepts connections and never answers holds up
// neither the window nor the end of the program.
class CupsQueues {
public:
    struct Answer {
        QStringList names;
        QString defaultName;
        // False when a server was there and did not answer in time.
        bool answered = true;
    };

    // Starts asking at once.
    CupsQueues();
    // A question still open is left to end on its own.
    ~CupsQueues();
    CupsQueues(const CupsQueues&) = delete;
    CupsQueues& operator=(const CupsQueues&) = delete;

    // The answer, waiting for it up to wait; none while it has not come.
    std::optional<Answer> answer(std::chrono::milliseconds wait = std::chrono::milliseconds(0));

    // How long the server has to answer.
    static constexpr std::chrono::seconds TimeLimit{3};

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};
