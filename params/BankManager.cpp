// Bank of programs and its memory image.
#include "params/BankManager.h"

#include "sys/ByteOrder.h"

#include <cstddef>
#include <cstdint>

namespace rivo
{

BankManager::BankManager(int nbr_prog)
{
	set_nbr_prog(nbr_prog);
}

void BankManager::set_nbr_prog(int nbr)
{
	_prog_list.resize(size_t(nbr > 0 ? nbr : 0));
}

long BankManager::get_object_size() const
{
	const long slot_size = _prog_list.empty() ? 0 : _prog_list.front().get_object_size();
	return HEADER_SIZE + long(_prog_list.size()) * slot_size;
}

int BankManager::write_to_memory(unsigned char *buf_ptr, long len) const
{
	const long size = get_object_size();
	if (len < size)
	{
		return Err_BUF_TOO_SMALL;
	}
	const long stride = _prog_list.empty() ? 0 : _prog_list.front().get_object_size();
	for (const ProgramSlot &slot : _prog_list)
	{
		if (slot.get_object_size() != stride)
		{
			return Err_MIXED_SIZES;
		}
	}
	basic::write_be32(buf_ptr, std::uint32_t(_prog_list.size()));
	basic::write_be32(buf_ptr + 4, std::uint32_t(stride));
	long pos = HEADER_SIZE;
	for (const ProgramSlot &slot : _prog_list)
	{
		const int ret = slot.write_to_memory(buf_ptr + pos, stride);
		if (ret != Err_OK)
		{
			return ret;
		}
		pos += stride;
	}
	return Err_OK;
}

int BankManager::read_from_memory(const unsigned char *buf_ptr, long len)
{
	if (buf_ptr == nullptr || len < HEADER_SIZE)
	{
		return Err_TRUNCATED;
	}
	const long nbr_prog = std::int32_t(basic::read_be32(buf_ptr));
	const long stride = std::int32_t(basic::read_be32(buf_ptr + 4));
	if (nbr_prog < 1)
	{
		return Err_BAD_COUNT;
	}
	if (stride < ProgramSlot::HEADER_SIZE)
	{
		return Err_BAD_STRIDE;
	}
	if (HEADER_SIZE + static_cast<long long>(nbr_prog) * stride > len)
	{
		return Err_TRUNCATED;
	}
	std::deque<ProgramSlot> prog_list(static_cast<size_t>(nbr_prog));
	for (long i = 0; i < nbr_prog; ++i)
	{
		const int ret = prog_list[size_t(i)].read_from_memory(buf_ptr + HEADER_SIZE + i * stride, stride);
		if (ret != Err_OK)
		{
			return ret;
		}
	}
	_prog_list.swap(prog_list);
	return Err_OK;
}

}  // namespace rivo
