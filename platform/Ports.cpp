// Bounded message ports.
#include "platform/Kernel.h"

#include <condition_variable>
#include <cstring>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace platform
{

namespace
{

struct Message
{
	std::int32_t code;
	std::vector<unsigned char> data;
};

struct Port
{
	std::mutex mutex;
	std::condition_variable cond;
	std::deque<Message> queue;
	size_t capacity = 1;
	bool closed = false;
};

std::mutex table_mutex;
std::map<port_id, std::shared_ptr<Port>> port_table;
port_id next_port_id = 1;

std::shared_ptr<Port> find_port(port_id id)
{
	std::lock_guard<std::mutex> lock(table_mutex);
	const auto it = port_table.find(id);
	return it == port_table.end() ? nullptr : it->second;
}

}  // namespace

port_id create_port(std::int32_t capacity, const char * /*name_0*/)
{
	if (capacity < 1)
	{
		return B_BAD_VALUE;
	}
	auto port = std::make_shared<Port>();
	port->capacity = size_t(capacity);
	std::lock_guard<std::mutex> lock(table_mutex);
	const port_id id = next_port_id++;
	port_table[id] = port;
	return id;
}

status_t write_port(port_id id, std::int32_t code, const void *buf_ptr, size_t size)
{
	const std::shared_ptr<Port> port = find_port(id);
	if (!port)
	{
		return B_BAD_PORT_ID;
	}
	Message msg{code, std::vector<unsigned char>(size)};
	if (size > 0)
	{
		std::memcpy(msg.data.data(), buf_ptr, size);
	}
	std::unique_lock<std::mutex> lock(port->mutex);
	port->cond.wait(lock, [&port] { return port->closed || port->queue.size() < port->capacity; });
	if (port->closed)
	{
		return B_BAD_PORT_ID;
	}
	port->queue.push_back(std::move(msg));
	port->cond.notify_all();
	return B_OK;
}

std::int64_t read_port(port_id id, std::int32_t *code_ptr, void *buf_ptr, size_t buf_size)
{
	const std::shared_ptr<Port> port = find_port(id);
	if (!port)
	{
		return B_BAD_PORT_ID;
	}
	std::unique_lock<std::mutex> lock(port->mutex);
	port->cond.wait(lock, [&port] { return port->closed || !port->queue.empty(); });
	if (port->queue.empty())
	{
		return B_BAD_PORT_ID;
	}
	Message msg = std::move(port->queue.front());
	port->queue.pop_front();
	port->cond.notify_all();
	if (code_ptr != nullptr)
	{
		*code_ptr = msg.code;
	}
	const size_t n = msg.data.size() < buf_size ? msg.data.size() : buf_size;
	if (n > 0)
	{
		std::memcpy(buf_ptr, msg.data.data(), n);
	}
	return std::int64_t(msg.data.size());
}

std::int64_t port_buffer_size(port_id id)
{
	const std::shared_ptr<Port> port = find_port(id);
	if (!port)
	{
		return B_BAD_PORT_ID;
	}
	std::unique_lock<std::mutex> lock(port->mutex);
	port->cond.wait(lock, [&port] { return port->closed || !port->queue.empty(); });
	return port->queue.empty() ? std::int64_t(B_BAD_PORT_ID) : std::int64_t(port->queue.front().data.size());
}

status_t close_port(port_id id)
{
	std::shared_ptr<Port> port;
	{
		std::lock_guard<std::mutex> lock(table_mutex);
		const auto it = port_table.find(id);
		if (it == port_table.end())
		{
			return B_BAD_PORT_ID;
		}
		port = it->second;
		port_table.erase(it);
	}
	std::lock_guard<std::mutex> lock(port->mutex);
	port->closed = true;
	port->cond.notify_all();
	return B_OK;
}

}  // namespace platform
