// Saving and loading setting files through their clients, with the codes of each failure.
#include "config/SettingMgrInterface.h"

#include "config/ConfKeyContentMulti.h"
#include "config/ConfKeyData.h"
#include "config/ConfKeyFactory.h"
#include "config/ConfKeyMulti.h"
#include "config/SettingClientInterface.h"
#include "platform/Storage.h"
#include "sys/AtomicFile.h"
#include "sys/Exception.h"

#include <algorithm>

namespace basic
{

int SettingMgrInterface::register_client(SettingClientInterface &client)
{
	if (get_client_pos(client) >= 0)
	{
		return Err_ALREADY_REGISTERED;
	}
	_clients.push_back(&client);
	return 0;
}

void SettingMgrInterface::unregister_client(SettingClientInterface &client)
{
	_clients.erase(std::remove(_clients.begin(), _clients.end(), &client), _clients.end());
}

void SettingMgrInterface::unregister_all_clients()
{
	_clients.clear();
}

int SettingMgrInterface::get_client_pos(SettingClientInterface &client) const
{
	const auto it = std::find(_clients.begin(), _clients.end(), &client);
	return it == _clients.end() ? -1 : int(it - _clients.begin());
}

int SettingMgrInterface::save_settings(const std::string &path)
{
	ConfKeyMulti tree("Default");
	int err = 0;
	do_save_settings_pre(tree, path, err);
	for (size_t i = 0; i < _clients.size() && err == 0; ++i)
	{
		err = _clients[i]->save_settings(tree);
	}
	do_save_settings_post(tree, path, err);
	if (err != 0)
	{
		return err;
	}
	std::string text;
	try
	{
		tree.write_to_string(text);
	}
	catch (const basic::Exception &)
	{
		return Err_WRITE;  // a client left a key without a name
	}
	text += '\n';
	return save_file(text, path);
}

int SettingMgrInterface::load_settings(const std::string &path)
{
	std::string text;
	int err = load_file(text, path);
	if (err != 0)
	{
		return err;
	}
	ConfKeyFactory &factory = ConfKeyFactory::get_instance();
	std::unique_ptr<ConfKeyInterface> root = factory.create_key(text);
	if (!root)
	{
		return int(factory.get_last_error()) + Err_PARSE_SHIFT;
	}
	// A damaged tail still loads what came before it, and is reported.
	const int parse_err = int(factory.get_last_error());
	std::unique_ptr<ConfKeyMulti> tree(dynamic_cast<ConfKeyMulti *>(root.get()));
	if (tree)
	{
		root.release();
	}
	else
	{
		// An empty section reads as a data key holding an empty list.
		const auto *data_ptr = dynamic_cast<const ConfKeyData *>(root.get());
		const auto *list_ptr =
		   data_ptr != nullptr ? dynamic_cast<const ConfKeyContentMulti *>(&data_ptr->use_content()) : nullptr;
		if (list_ptr == nullptr || list_ptr->get_nbr_contents() != 0)
		{
			return Err_NOT_A_SECTION;
		}
		tree.reset(new ConfKeyMulti(root->get_name()));
	}
	do_load_settings_pre(*tree, path, err);
	for (size_t i = 0; i < _clients.size() && err == 0; ++i)
	{
		err = _clients[i]->load_settings(*tree);
	}
	do_load_settings_post(*tree, path, err);
	return err != 0 ? err : parse_err;
}

int SettingMgrInterface::save_file(const std::string &text, const std::string &path)
{
	sys::AtomicFile file;
	if (!file.open(path.c_str(), 0664))
	{
		return Err_CREATE;
	}
	if (!file.write(text.data(), text.size()) || !file.commit())
	{
		return Err_WRITE;  // the destructor removes the temporary file
	}
	return 0;
}

int SettingMgrInterface::load_file(std::string &text, const std::string &path)
{
	platform::BFile file(path.c_str(), platform::B_READ_ONLY);
	off_t size = 0;
	if (file.InitCheck() != platform::B_OK || file.GetSize(&size) != platform::B_OK || size < 0 ||
	    size > MAX_FILE_SIZE)
	{
		return Err_OPEN;
	}
	std::string data(size_t(size), '\0');
	if (size > 0 && file.Read(&data[0], data.size()) != ssize_t(data.size()))
	{
		return Err_OPEN;
	}
	// Each line with its line break, as read line by line.
	text.clear();
	size_t start = 0;
	while (start < data.size())
	{
		size_t end = data.find('\n', start);
		end = end == std::string::npos ? data.size() : end;
		text.append(data, start, end - start);
		text += '\n';
		start = end + 1;
	}
	return 0;
}

void SettingMgrInterface::do_save_settings_pre(ConfKeyMulti &, const std::string &, int &)
{
}

void SettingMgrInterface::do_save_settings_post(ConfKeyMulti &, const std::string &, int &)
{
}

void SettingMgrInterface::do_load_settings_pre(ConfKeyMulti &, const std::string &, int &)
{
}

void SettingMgrInterface::do_load_settings_post(ConfKeyMulti &, const std::string &, int &)
{
}

}  // namespace basic
