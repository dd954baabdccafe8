// A bounded queue that any number of threads may fill and empty at once,
// without a lock and without allocating after construction: each cell
// carries a sequence number that tells whether it is free for the next
// writer or full for the next reader. A full queue refuses (push returns
// false) instead of waiting, so the audio thread never blocks on it.
#pragma once

#include <atomic>
#include <cstddef>
#include <memory>

namespace sys
{

template <typename T>
class BoundedQueue
{
public:
	// Holds at least capacity elements (rounded up to a power of two).
	explicit BoundedQueue(size_t capacity) : _mask(round_up(capacity) - 1), _cells(new Cell[_mask + 1])
	{
		for (size_t i = 0; i <= _mask; ++i)
		{
			_cells[i]._seq.store(i, std::memory_order_relaxed);
		}
	}
	BoundedQueue(const BoundedQueue &) = delete;
	BoundedQueue &operator=(const BoundedQueue &) = delete;

	size_t capacity() const noexcept
	{
		return _mask + 1;
	}
	bool push(const T &val) noexcept
	{
		size_t pos = _tail.load(std::memory_order_relaxed);
		for (;;)
		{
			Cell &c = _cells[pos & _mask];
			const size_t seq = c._seq.load(std::memory_order_acquire);
			const auto diff = static_cast<std::ptrdiff_t>(seq) - static_cast<std::ptrdiff_t>(pos);
			if (diff == 0)
			{
				if (_tail.compare_exchange_weak(pos, pos + 1, std::memory_order_relaxed))
				{
					c._val = val;
					c._seq.store(pos + 1, std::memory_order_release);
					return true;
				}
			}
			else if (diff < 0)
			{
				return false;  // full
			}
			else
			{
				pos = _tail.load(std::memory_order_relaxed);
			}
		}
	}
	bool pop(T &val) noexcept
	{
		size_t pos = _head.load(std::memory_order_relaxed);
		for (;;)
		{
			Cell &c = _cells[pos & _mask];
			const size_t seq = c._seq.load(std::memory_order_acquire);
			const auto diff = static_cast<std::ptrdiff_t>(seq) - static_cast<std::ptrdiff_t>(pos + 1);
			if (diff == 0)
			{
				if (_head.compare_exchange_weak(pos, pos + 1, std::memory_order_relaxed))
				{
					val = c._val;
					c._seq.store(pos + _mask + 1, std::memory_order_release);
					return true;
				}
			}
			else if (diff < 0)
			{
				return false;  // empty
			}
			else
			{
				pos = _head.load(std::memory_order_relaxed);
			}
		}
	}

private:
	struct Cell
	{
		std::atomic<size_t> _seq{0};
		T _val{};
	};
	static size_t round_up(size_t n) noexcept
	{
		size_t p = 2;
		while (p < n)
		{
			p <<= 1;
		}
		return p;
	}

	const size_t _mask;
	std::unique_ptr<Cell[]> _cells;
	alignas(64) std::atomic<size_t> _tail{0};
	alignas(64) std::atomic<size_t> _head{0};
};

}  // namespace sys
