// An ordered list of owned polymorphic elements that copies by cloning: the
// storage of the key tree's containers. Index errors throw basic::Exception
// with the given text.
#pragma once

#include "sys/Exception.h"

#include <deque>
#include <memory>

namespace basic
{

template <class T>
class CloneList
{
public:
	explicit CloneList(const char *index_err_0)
	: _index_err_0(index_err_0)
	{
	}
	CloneList(const CloneList &other)
	: _index_err_0(other._index_err_0)
	{
		*this = other;
	}
	CloneList &operator=(const CloneList &other)
	{
		if (this != &other)
		{
			std::deque<std::unique_ptr<T>> copy;
			for (const auto &e : other._elts)
			{
				copy.push_back(e->clone());
			}
			_elts.swap(copy);
		}
		return *this;
	}

	long size() const noexcept
	{
		return long(_elts.size());
	}
	T &use(long index)
	{
		check_index(index);
		return *_elts[size_t(index)];
	}
	const T &use(long index) const
	{
		check_index(index);
		return *_elts[size_t(index)];
	}
	void set(long index, std::unique_ptr<T> elt)
	{
		check_index(index);
		_elts[size_t(index)] = std::move(elt);
	}
	void push_back(std::unique_ptr<T> elt)
	{
		_elts.push_back(std::move(elt));
	}
	void remove(long index)
	{
		check_index(index);
		_elts.erase(_elts.begin() + index);
	}
	void clear()
	{
		_elts.clear();
	}
	typename std::deque<std::unique_ptr<T>>::const_iterator begin() const
	{
		return _elts.begin();
	}
	typename std::deque<std::unique_ptr<T>>::const_iterator end() const
	{
		return _elts.end();
	}

private:
	void check_index(long index) const
	{
		if (index < 0 || index >= size())
		{
			throw Exception(_index_err_0);
		}
	}

	const char *_index_err_0;
	std::deque<std::unique_ptr<T>> _elts;
};

}  // namespace basic
