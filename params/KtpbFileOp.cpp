// Preset bank files.
#include "params/KtpbFileOp.h"

#include "platform/Storage.h"
#include "sys/AtomicFile.h"

#include <vector>

namespace rivo
{

int KtpbFileOp::check_header(const KtpbFileHeader *header_ptr, const unsigned char *&data_ptr, long &length)
{
	if (header_ptr == nullptr || !header_ptr->has_magic())
	{
		return Err_MAGIC;
	}
	data_ptr = reinterpret_cast<const unsigned char *>(header_ptr) + sizeof(KtpbFileHeader);
	length = long(header_ptr->get_length());
	return Err_OK;
}

int KtpbFileOp::check_data(const unsigned char *data_ptr, long len, BankManager &bank, bool check)
{
	BankManager loaded(0);
	if (loaded.read_from_memory(data_ptr, len) != 0)
	{
		return Err_READ_DATA;
	}
	if (check)
	{
		if (loaded.get_nbr_prog() != bank.get_nbr_prog())
		{
			return Err_PROG_COUNT;
		}
		for (int i = 0; i < loaded.get_nbr_prog(); ++i)
		{
			if (loaded[i].get_nbr_param() != bank[i].get_nbr_param())
			{
				return Err_PARAM_COUNT;
			}
		}
	}
	bank = loaded;
	return Err_OK;
}

int KtpbFileOp::load_bank_mem(const void *data_ptr, long size, BankManager &bank, bool check)
{
	if (data_ptr == nullptr || size < long(sizeof(KtpbFileHeader)))
	{
		return Err_READ_HEADER;
	}
	const unsigned char *bank_ptr = nullptr;
	long announced = 0;
	const int ret = check_header(static_cast<const KtpbFileHeader *>(data_ptr), bank_ptr, announced);
	if (ret != Err_OK)
	{
		return ret;
	}
	return check_data(bank_ptr, size - long(sizeof(KtpbFileHeader)), bank, check);
}

int KtpbFileOp::load_bank(const char *path_0, BankManager &bank, bool check)
{
	platform::BFile file(path_0, platform::B_READ_ONLY);
	if (file.InitCheck() != platform::B_OK)
	{
		return Err_OPEN;
	}
	KtpbFileHeader header;
	if (file.Read(&header, sizeof(header)) != ssize_t(sizeof(header)))
	{
		return Err_READ_HEADER;
	}
	const unsigned char *unused_ptr = nullptr;
	long length = 0;
	const int ret = check_header(&header, unused_ptr, length);
	if (ret != Err_OK)
	{
		return ret;
	}
	// The announced length must be in the file before anything is allocated for it.
	off_t file_size = 0;
	if (file.GetSize(&file_size) != platform::B_OK || off_t(sizeof(header)) + length > file_size)
	{
		return Err_SHORT_DATA;
	}
	std::vector<unsigned char> buf(size_t(length), 0);
	if (length > 0 && file.Read(buf.data(), buf.size()) != ssize_t(length))
	{
		return Err_SHORT_DATA;
	}
	return check_data(buf.data(), length, bank, check);
}

int KtpbFileOp::save_bank(const char *path_0, const BankManager &bank)
{
	const long size = bank.get_object_size();
	std::vector<unsigned char> buf(size_t(size), 0);  // zeroed: name padding is defined in files
	if (bank.write_to_memory(buf.data(), size) != 0)
	{
		return Err_WRITE_IMAGE;
	}
	sys::AtomicFile file;
	if (!file.open(path_0, 0664))
	{
		return Err_OPEN;
	}
	KtpbFileHeader header;
	header.set(std::uint32_t(size));
	if (!file.write(&header, sizeof(header)))
	{
		return Err_WRITE_HEADER;
	}
	if (!file.write(buf.data(), buf.size()))
	{
		return Err_WRITE_DATA;
	}
	return file.commit() ? Err_OK : Err_OPEN;
}

const char *KtpbFileOp::get_err_txt(int err)
{
	switch (err)
	{
	case Err_OK: return "No error";
	case Err_OPEN: return "The file cannot be opened";
	case Err_WRITE_HEADER: return "The header cannot be written";
	case Err_READ_HEADER: return "The header cannot be read";
	case Err_WRITE_IMAGE: return "The bank cannot be put into the file format";
	case Err_READ_DATA: return "The bank data is damaged";
	case Err_WRITE_DATA: return "The bank data cannot be written";
	case Err_SHORT_DATA: return "The file is shorter than its header announces";
	case Err_MAGIC: return "Not a preset bank file";
	case Err_PROG_COUNT: return "The bank holds another number of programs";
	case Err_PARAM_COUNT: return "The bank is for another plug-in";
	default: return "Unknown error";
	}
}

}  // namespace rivo
