// Reference-counted owner of a heap object, used from one thread at a time.
#pragma once

#include <utility>

namespace basic
{

template <class T>
class SharedPtr
{
	template <class U>
	friend class SharedPtr;

public:
	SharedPtr() noexcept = default;

	// Takes ownership of obj_ptr (which may be null).
	explicit SharedPtr(T *obj_ptr)
	: _obj_ptr(obj_ptr), _count_ptr(obj_ptr != nullptr ? new long(1) : nullptr)
	{
	}

	SharedPtr(const SharedPtr &other) noexcept : _obj_ptr(other._obj_ptr), _count_ptr(other._count_ptr)
	{
		retain();
	}

	// From a pointer to a derived class.
	template <class U>
	SharedPtr(const SharedPtr<U> &other) noexcept : _obj_ptr(other._obj_ptr), _count_ptr(other._count_ptr)
	{
		retain();
	}

	SharedPtr(SharedPtr &&other) noexcept : _obj_ptr(other._obj_ptr), _count_ptr(other._count_ptr)
	{
		other._obj_ptr = nullptr;
		other._count_ptr = nullptr;
	}

	~SharedPtr()
	{
		destroy();
	}

	SharedPtr &operator=(const SharedPtr &other)
	{
		SharedPtr tmp(other);
		swap(tmp);
		return *this;
	}

	SharedPtr &operator=(SharedPtr &&other) noexcept
	{
		SharedPtr tmp(std::move(other));
		swap(tmp);
		return *this;
	}

	void swap(SharedPtr &other) noexcept
	{
		std::swap(_obj_ptr, other._obj_ptr);
		std::swap(_count_ptr, other._count_ptr);
	}

	// Releases the object; the pointer becomes null.
	void destroy()
	{
		T *obj_ptr = _obj_ptr;
		long *count_ptr = _count_ptr;
		_obj_ptr = nullptr;
		_count_ptr = nullptr;
		if (count_ptr != nullptr && drop_ref(count_ptr))
		{
			delete obj_ptr;
			delete count_ptr;
		}
	}

	T *get() const noexcept
	{
		return _obj_ptr;
	}
	T &operator*() const noexcept
	{
		return *_obj_ptr;
	}
	T *operator->() const noexcept
	{
		return _obj_ptr;
	}
	long get_count() const noexcept
	{
		return _count_ptr != nullptr ? *_count_ptr : 0;
	}
	explicit operator bool() const noexcept
	{
		return _obj_ptr != nullptr;
	}

private:
	// Out of line on purpose: with several owners inlined in one function, GCC 12
	// cannot see that only the last one deletes the counter and warns otherwise.
	[[gnu::noinline]] static bool drop_ref(long *count_ptr) noexcept
	{
		--*count_ptr;
		return *count_ptr < 1;
	}

	void retain() noexcept
	{
		if (_count_ptr != nullptr)
		{
			++*_count_ptr;
		}
	}

	T *_obj_ptr = nullptr;
	long *_count_ptr = nullptr;
};

}  // namespace basic
