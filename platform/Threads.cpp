// Threads and semaphores on POSIX threads, with their ids kept in tables.
#include "platform/Kernel.h"

#include <pthread.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>

namespace platform
{

namespace
{

struct Sem
{
	std::mutex mutex;
	std::condition_variable cond;
	std::int32_t count = 0;
	bool deleted = false;
};

struct Thread
{
	std::mutex mutex;
	std::condition_variable cond;
	thread_func func = nullptr;
	void *data_ptr = nullptr;
	bool resumed = false;
	pthread_t handle{};
	std::int32_t exit_value = 0;
};

// One table per kind of object; ids are never reused.
template <class T>
class Table
{
public:
	std::int32_t add(std::shared_ptr<T> obj_ptr)
	{
		std::lock_guard<std::mutex> lock(_mutex);
		const std::int32_t id = _next_id++;
		_map[id] = std::move(obj_ptr);
		return id;
	}
	std::shared_ptr<T> find(std::int32_t id)
	{
		std::lock_guard<std::mutex> lock(_mutex);
		const auto it = _map.find(id);
		return it == _map.end() ? nullptr : it->second;
	}
	std::shared_ptr<T> remove(std::int32_t id)
	{
		std::lock_guard<std::mutex> lock(_mutex);
		const auto it = _map.find(id);
		if (it == _map.end())
		{
			return nullptr;
		}
		std::shared_ptr<T> obj_ptr = it->second;
		_map.erase(it);
		return obj_ptr;
	}

private:
	std::mutex _mutex;
	std::map<std::int32_t, std::shared_ptr<T>> _map;
	std::int32_t _next_id = 1;
};

Table<Sem> &use_sems()
{
	static Table<Sem> table;
	return table;
}

Table<Thread> &use_threads()
{
	static Table<Thread> table;
	return table;
}

void *thread_entry(void *arg_ptr)
{
	auto *thr_ptr = static_cast<std::shared_ptr<Thread> *>(arg_ptr);
	std::shared_ptr<Thread> thr = *thr_ptr;
	delete thr_ptr;
	{
		std::unique_lock<std::mutex> lock(thr->mutex);
		thr->cond.wait(lock, [&thr] { return thr->resumed; });
	}
	thr->exit_value = thr->func(thr->data_ptr);
	return nullptr;
}

}  // namespace

thread_id spawn_thread(thread_func func, const char *name_0, std::int32_t /*priority*/, void *data_ptr)
{
	if (func == nullptr)
	{
		return B_BAD_VALUE;
	}
	auto thr = std::make_shared<Thread>();
	thr->func = func;
	thr->data_ptr = data_ptr;
	auto *arg_ptr = new std::shared_ptr<Thread>(thr);
	if (pthread_create(&thr->handle, nullptr, &thread_entry, arg_ptr) != 0)
	{
		delete arg_ptr;
		return B_ERROR;
	}
	if (name_0 != nullptr)
	{
		char short_name[16] = {};  // the kernel keeps 15 characters
		for (int i = 0; i < 15 && name_0[i] != '\0'; ++i)
		{
			short_name[i] = name_0[i];
		}
		pthread_setname_np(thr->handle, short_name);
	}
	return use_threads().add(thr);
}

status_t resume_thread(thread_id thread)
{
	const std::shared_ptr<Thread> thr = use_threads().find(thread);
	if (!thr)
	{
		return B_BAD_THREAD_ID;
	}
	std::lock_guard<std::mutex> lock(thr->mutex);
	thr->resumed = true;
	thr->cond.notify_all();
	return B_OK;
}

status_t wait_for_thread(thread_id thread, std::int32_t *exit_value_ptr)
{
	const std::shared_ptr<Thread> thr = use_threads().remove(thread);
	if (!thr)
	{
		return B_BAD_THREAD_ID;
	}
	{
		std::lock_guard<std::mutex> lock(thr->mutex);
		thr->resumed = true;  // waiting for a thread that never ran would never end
		thr->cond.notify_all();
	}
	pthread_join(thr->handle, nullptr);
	if (exit_value_ptr != nullptr)
	{
		*exit_value_ptr = thr->exit_value;
	}
	return B_OK;
}

sem_id create_sem(std::int32_t count, const char * /*name_0*/)
{
	if (count < 0)
	{
		return B_BAD_VALUE;
	}
	auto sem = std::make_shared<Sem>();
	sem->count = count;
	return use_sems().add(sem);
}

status_t acquire_sem_etc(sem_id id, std::int32_t count, std::uint32_t flags, bigtime_t timeout)
{
	const std::shared_ptr<Sem> sem = use_sems().find(id);
	if (!sem || count < 1)
	{
		return sem ? B_BAD_VALUE : B_BAD_SEM_ID;
	}
	std::unique_lock<std::mutex> lock(sem->mutex);
	auto ready = [&sem, count] { return sem->deleted || sem->count >= count; };
	if ((flags & B_RELATIVE_TIMEOUT) != 0 && timeout != B_INFINITE_TIMEOUT)
	{
		if (!sem->cond.wait_for(lock, std::chrono::microseconds(timeout < 0 ? 0 : timeout), ready))
		{
			return B_TIMED_OUT;
		}
	}
	else
	{
		sem->cond.wait(lock, ready);
	}
	if (sem->deleted)
	{
		return B_BAD_SEM_ID;
	}
	sem->count -= count;
	return B_OK;
}

status_t acquire_sem(sem_id sem)
{
	return acquire_sem_etc(sem, 1, 0, B_INFINITE_TIMEOUT);
}

status_t release_sem(sem_id id)
{
	const std::shared_ptr<Sem> sem = use_sems().find(id);
	if (!sem)
	{
		return B_BAD_SEM_ID;
	}
	std::lock_guard<std::mutex> lock(sem->mutex);
	++sem->count;
	sem->cond.notify_all();
	return B_OK;
}

status_t delete_sem(sem_id id)
{
	const std::shared_ptr<Sem> sem = use_sems().remove(id);
	if (!sem)
	{
		return B_BAD_SEM_ID;
	}
	std::lock_guard<std::mutex> lock(sem->mutex);
	sem->deleted = true;
	sem->cond.notify_all();
	return B_OK;
}

}  // namespace platform
