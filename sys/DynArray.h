// Heap array whose size is set at once; a resize does not keep the contents.
#pragma once

#include <cstddef>
#include <vector>

namespace basic
{

template <class T>
class DynArray
{
public:
	DynArray() = default;
	explicit DynArray(long n)
	{
		resize(n);
	}

	// Same size: nothing happens. Otherwise every element is destroyed, the storage
	// freed, and n default-constructed elements are made.
	void resize(long n)
	{
		const long new_size = n > 0 ? n : 0;
		if (new_size == size())
		{
			return;
		}
		std::vector<T>().swap(_data);
		if (new_size > 0)
		{
			_data.resize(size_t(new_size));
		}
	}

	long size() const noexcept
	{
		return long(_data.size());
	}
	T &operator[](long pos)
	{
		return _data[size_t(pos)];
	}
	const T &operator[](long pos) const
	{
		return _data[size_t(pos)];
	}
	T *data() noexcept
	{
		return _data.data();
	}
	const T *data() const noexcept
	{
		return _data.data();
	}

private:
	std::vector<T> _data;
};

}  // namespace basic
