#include "platform/linux/CupsQueues.h"

#include <condition_variable>
#include <mutex>
#include <thread>

#ifdef GLYPHARY_HAVE_CUPS
#include <cups/cups.h>
#endif

struct CupsQueues::Shared {
    std::mutex mutex;
    std::condition_variable arrived;
    std::optional<Answer> answer;
};

namespace {

#ifdef GLYPHARY_HAVE_CUPS
struct Deadline {
    std::chrono::steady_clock::time_point end;
    bool passed = false;
};

// libcups asks this whenever a wait has lasted its interval: go on waiting
// until the deadline.
int keepWaiting(http_t*, void* data)
{
    auto* deadline = static_cast<Deadline*>(data);
    deadline->passed = std::chrono::steady_clock::now() >= deadline->end;
    return deadline->passed ? 0 : 1;
}
#endif

CupsQueues::Answer ask()
{
    CupsQueues::Answer answer;
#ifdef GLYPHARY_HAVE_CUPS
    using namespace std::chrono;
    Deadline deadline{steady_clock::now() + CupsQueues::TimeLimit};
    // No server to connect to is no printer, as for a machine without CUPS.
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                int(duration_cast<milliseconds>(CupsQueues::TimeLimit).count()),
                                nullptr);
    if (http == nullptr)
        return answer;
    httpSetTimeout(http, 0.25, keepWaiting, &deadline);
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(http, &dests);
    for (int i = 0; i < count; ++i) {
        QString name = QString::fromLocal8Bit(dests[i].name);
        if (dests[i].instance != nullptr)
            name += u'/' + QString::fromLocal8Bit(dests[i].instance);
        answer.names.append(name);
        if (dests[i].is_default)
            answer.defaultName = name;
    }
    cupsFreeDests(count, dests);
    httpClose(http);
    answer.answered = !deadline.passed;
#endif
    return answer;
}

}  // namespace

CupsQueues::CupsQueues()
    : shared_(std::make_shared<Shared>())
{
    std::thread([shared = shared_] {
        Answer answer = ask();
        const std::lock_guard lock(shared->mutex);
        shared->answer = std::move(answer);
        shared->arrived.notify_all();
    }).detach();
}

CupsQueues::~CupsQueues() = default;

std::optional<CupsQueues::Answer> CupsQueues::answer(std::chrono::milliseconds wait)
{
    std::unique_lock lock(shared_->mutex);
    shared_->arrived.wait_for(lock, wait, [this] { return shared_->answer.has_value(); });
    return shared_->answer;
}
