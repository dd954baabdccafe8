// What the system needs of the kernel: a monotonic clock, threads,
// semaphores with time-outs, and bounded message ports.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform
{

using bigtime_t = std::int64_t;
using status_t = std::int32_t;
using thread_id = std::int32_t;
using sem_id = std::int32_t;
using port_id = std::int32_t;
using team_id = std::int32_t;

constexpr status_t B_OK = 0;
constexpr status_t B_ERROR = -1;
constexpr status_t B_NO_INIT = -2;
constexpr status_t B_ENTRY_NOT_FOUND = -3;
constexpr status_t B_TIMED_OUT = -4;
constexpr status_t B_BAD_SEM_ID = -5;
constexpr status_t B_BAD_THREAD_ID = -6;
constexpr status_t B_BAD_PORT_ID = -7;
constexpr status_t B_BAD_VALUE = -8;

constexpr std::uint32_t B_RELATIVE_TIMEOUT = 0x8;
constexpr bigtime_t B_INFINITE_TIMEOUT = INT64_MAX;

// Microseconds since an arbitrary fixed point (boot), never going backwards.
bigtime_t system_time() noexcept;

// The running process.
team_id current_team() noexcept;

// The path of the loaded image (the program or a shared object) holding addr,
// written into buf (len bytes, terminated); B_ENTRY_NOT_FOUND when no image
// holds it, B_BAD_VALUE when the path does not fit.
status_t find_image_path(const void *addr_ptr, char *buf_ptr, size_t len);

// Starts a program (argv[0] found on PATH) on its own, not as our child: it
// inherits no file descriptor but standard ones on /dev/null, leaves no
// zombie, and the call returns at once. B_ENTRY_NOT_FOUND when the program
// is not on PATH, B_ERROR when it cannot be started.
status_t launch_detached(const char *const argv[]);

// Threads are created suspended and start with resume_thread.
using thread_func = std::int32_t (*)(void *data_ptr);
thread_id spawn_thread(thread_func func, const char *name_0, std::int32_t priority, void *data_ptr);
status_t resume_thread(thread_id thread);
// Waits for the thread's end and gives its return value.
status_t wait_for_thread(thread_id thread, std::int32_t *exit_value_ptr);

sem_id create_sem(std::int32_t count, const char *name_0);
// With B_RELATIVE_TIMEOUT, gives up after timeout microseconds (B_TIMED_OUT).
// A waiter whose semaphore is deleted resumes with B_BAD_SEM_ID.
status_t acquire_sem_etc(sem_id sem, std::int32_t count, std::uint32_t flags, bigtime_t timeout);
status_t acquire_sem(sem_id sem);
status_t release_sem(sem_id sem);
status_t delete_sem(sem_id sem);

// A queue of at most capacity messages; writers block while it is full,
// readers while it is empty. A closed port wakes both with B_BAD_PORT_ID.
port_id create_port(std::int32_t capacity, const char *name_0);
status_t write_port(port_id port, std::int32_t code, const void *buf_ptr, size_t size);
// The message size, or an error code. Bytes past buf_size are dropped.
std::int64_t read_port(port_id port, std::int32_t *code_ptr, void *buf_ptr, size_t buf_size);
// Size of the next message (waiting for one), or an error code.
std::int64_t port_buffer_size(port_id port);
status_t close_port(port_id port);

}  // namespace platform
