// Work on the items of a list done by worker threads ahead of the caller and handed back to the caller
// in list order, so that whatever the caller reports about each item comes out as with one thread.
// Items are started no further ahead than a fixed window, which bounds the memory of a long list.
#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace kvt {

template <class Result> class OrderedWork {
public:
    using Prepare = std::function<Result(size_t index)>;
    using Commit = std::function<void(size_t index, Result& result)>;

    // Up to `threads` workers (none for one thread: each item is then done inside Take), each item
    // started at most `ahead` items past the next one the caller takes. Items past a cancel are
    // dropped, so `prepare` must leave nothing behind once its result is destroyed; `commit`, when
    // given, runs after `prepare` and only once the caller has allowed that item.
    OrderedWork(size_t count, int threads, size_t ahead, Prepare prepare, Commit commit = {})
        : m_prepare(std::move(prepare)), m_commit(std::move(commit)), m_count(count),
          m_slots(std::max<size_t>(ahead, 1)) {
        const size_t workers =
            threads > 1 ? std::min({static_cast<size_t>(threads), count, m_slots.size()}) : 0;
        for (size_t k = 0; k < workers; ++k) {
            try {
                m_workers.emplace_back([this] { Work(); });
            } catch (const std::system_error&) {
                break; // the threads already started do the work, or Take does it when there are none
            }
        }
    }

    // Drops the items not taken; a worker busy with one finishes that one first.
    ~OrderedWork() {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        for (std::thread& worker : m_workers) {
            worker.join();
        }
    }

    OrderedWork(const OrderedWork&) = delete;
    OrderedWork& operator=(const OrderedWork&) = delete;

    // Lets the items before `end` commit.
    void Allow(size_t end) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_allowed = std::max(m_allowed, end);
        }
        m_changed.notify_all();
    }

    // The result of item `index`, which must be the next item in order and, with a commit, allowed.
    // An exception thrown by the work is thrown here.
    Result Take(size_t index) {
        if (m_workers.empty()) {
            Result result = m_prepare(index);
            if (m_commit) {
                m_commit(index, result);
            }
            return result;
        }
        std::unique_lock<std::mutex> lock(m_mutex);
        Slot& slot = m_slots[index % m_slots.size()];
        m_changed.wait(lock, [&slot] { return slot.done; });
        Slot taken = std::move(slot);
        slot = Slot{};
        m_taken = index + 1;
        lock.unlock();
        m_changed.notify_all();
        if (taken.error) {
            std::rethrow_exception(taken.error);
        }
        return std::move(*taken.result);
    }

private:
    struct Slot {
        std::optional<Result> result;
        std::exception_ptr error;
        bool done = false;
    };

    void Work() {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;) {
            m_changed.wait(
                lock, [this] { return m_stop || m_next >= m_count || m_next < m_taken + m_slots.size(); });
            if (m_stop || m_next >= m_count) {
                return;
            }
            const size_t index = m_next++;
            lock.unlock();
            Slot slot;
            try {
                slot.result.emplace(m_prepare(index));
                if (m_commit && WaitUntilAllowed(index)) {
                    m_commit(index, *slot.result);
                }
            } catch (...) {
                slot.error = std::current_exception();
            }
            slot.done = true;
            lock.lock();
            m_slots[index % m_slots.size()] = std::move(slot);
            m_changed.notify_all();
        }
    }

    // False when the work is being dropped before the caller allowed the item.
    bool WaitUntilAllowed(size_t index) {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [&] { return m_stop || m_allowed > index; });
        return !m_stop;
    }

    const Prepare m_prepare;
    const Commit m_commit;
    const size_t m_count;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Slot> m_slots; // item i waits in slot i % size until taken
    size_t m_next = 0;         // the next item a worker starts
    size_t m_taken = 0;        // the next item the caller takes
    size_t m_allowed = 0;      // items before this one may commit
    bool m_stop = false;
    std::vector<std::thread> m_workers;
};

} // namespace kvt
