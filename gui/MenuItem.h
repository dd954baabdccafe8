// A menu entry: an id unique in the process, an action, and check and
// disabled states.
#pragma once

#include "gui/MenuListenerInterface.h"
#include "gui/MenuNodeInterface.h"

#include <atomic>
#include <cstdint>

namespace ruvava
{

class MenuItem : public MenuNodeInterface
{
public:
	// Ids 1, 2, 3, ... in creation order, process-wide.
	class MenuIdGenerator
	{
	public:
		static MenuIdGenerator &get_instance()
		{
			static MenuIdGenerator gen;
			return gen;
		}
		int32_t get_id() noexcept
		{
			return _last.fetch_add(1, std::memory_order_relaxed) + 1;
		}

	private:
		std::atomic<int32_t> _last{0};
	};

	explicit MenuItem(const std::string &label, bool checkable = false, bool checked = false, bool disabled = false)
	: MenuNodeInterface(label),
	  _id(MenuIdGenerator::get_instance().get_id()),
	  _checkable(checkable),
	  _checked(checked),
	  _disabled(disabled)
	{
	}
	int32_t get_id() const noexcept
	{
		return _id;
	}
	// Not owned; the listener learns its item.
	void set_listener(MenuListenerInterface *listener_ptr) noexcept
	{
		_listener_ptr = listener_ptr;
		if (listener_ptr != nullptr)
		{
			listener_ptr->set_item(*this);
		}
	}
	MenuListenerInterface *use_listener() const noexcept
	{
		return _listener_ptr;
	}
	void set_checkable(bool flag) noexcept
	{
		_checkable = flag;
	}
	bool is_checkable() const noexcept
	{
		return _checkable;
	}
	void check(bool flag) noexcept
	{
		_checked = flag;
	}
	bool is_checked() const noexcept
	{
		return _checked;
	}
	void disable(bool flag) noexcept
	{
		_disabled = flag;
	}
	bool is_disable() const noexcept
	{
		return _disabled;
	}

private:
	int32_t _id;
	MenuListenerInterface *_listener_ptr = nullptr;
	bool _checkable;
	bool _checked;
	bool _disabled;
};

}  // namespace ruvava
