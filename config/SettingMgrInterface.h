// Saves and loads setting files: one key tree in which each registered
// client, in the order of registering, writes or reads its own keys.
#pragma once

#include <string>
#include <vector>

namespace basic
{

class ConfKeyMulti;
class SettingClientInterface;

class SettingMgrInterface
{
public:
	enum Err
	{
		Err_NOT_A_SECTION = -1016,      // the file's root is not a key holding keys
		Err_WRITE = -1017,              // write error while saving
		Err_CREATE = -1018,             // the file cannot be created
		Err_OPEN = -1020,               // the file cannot be opened or read, or is too large
		Err_ALREADY_REGISTERED = -1023, // register_client: the client is in the list
		Err_PARSE_SHIFT = -1024         // added to the reader's code when no key could be read
	};
	// A setting file is a few kilobytes; larger is not one of ours.
	static constexpr long MAX_FILE_SIZE = 4L << 20;

	virtual ~SettingMgrInterface() = default;

	int register_client(SettingClientInterface &client);
	void unregister_client(SettingClientInterface &client);
	void unregister_all_clients();
	int get_client_pos(SettingClientInterface &client) const;

	int save_settings(const std::string &path);
	int load_settings(const std::string &path);
	// The whole text, replacing the file at once: a failed write leaves the
	// old file as it was.
	static int save_file(const std::string &text, const std::string &path);
	static int load_file(std::string &text, const std::string &path);

protected:
	virtual void do_save_settings_pre(ConfKeyMulti &tree, const std::string &path, int &err);
	virtual void do_save_settings_post(ConfKeyMulti &tree, const std::string &path, int &err);
	virtual void do_load_settings_pre(ConfKeyMulti &tree, const std::string &path, int &err);
	virtual void do_load_settings_post(ConfKeyMulti &tree, const std::string &path, int &err);

private:
	std::vector<SettingClientInterface *> _clients;
};

}  // namespace basic
