// Preset bank files ("KTPB", extension "pbk") and bank resources: a header,
// then the bank's memory image.
#pragma once

#include "params/BankManager.h"
#include "params/KtpbFileHeader.h"

namespace rivo
{

class KtpbFileOp
{
public:
	enum Err
	{
		Err_OK = 0,
		Err_OPEN = -1002,             // the file cannot be opened (or put in place)
		Err_WRITE_HEADER = -1004,     // the header cannot be written in full
		Err_READ_HEADER = -1005,      // fewer than 8 header bytes
		Err_WRITE_IMAGE = -1006,      // the bank did not write its memory image
		Err_READ_DATA = -1007,        // the bank data cannot be read
		Err_WRITE_DATA = -1008,       // the bank data cannot be written in full
		Err_SHORT_DATA = -1009,       // fewer data bytes than the header announces
		Err_MAGIC = -1010,            // the magic is not "KTPB"
		Err_PROG_COUNT = -1011,       // checked load: another number of programs
		Err_PARAM_COUNT = -1012       // checked load: a program with another parameter count
	};

	static constexpr const char *EXTENSION = KtpbFileHeader::FILE_EXT;

	// Loads a bank file. With check, a bank of another shape is refused.
	// On any failure the destination bank is left as it was.
	static int load_bank(const char *path_0, BankManager &bank, bool check);
	// Saves without ever leaving a half-written file: the old file stays intact
	// until the new one is complete.
	static int save_bank(const char *path_0, const BankManager &bank);
	// Loads a bank from memory (a resource of size bytes, header included). The
	// header's length field is not used: the data's own counts are.
	static int load_bank_mem(const void *data_ptr, long size, BankManager &bank, bool check);
	// On a good magic, points data_ptr past the header and gives the announced length.
	static int check_header(const KtpbFileHeader *header_ptr, const unsigned char *&data_ptr, long &length);
	// Reads a bank from len bytes and, when it fits, copies it over the destination.
	static int check_data(const unsigned char *data_ptr, long len, BankManager &bank, bool check);

	static const char *get_err_txt(int err);
};

}  // namespace rivo
