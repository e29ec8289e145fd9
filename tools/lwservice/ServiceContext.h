#pragma once

class AccountStore;
class Database;
class FileStore;
class ServerConfig;
class UpdateSigner;

// What every service area works with; all owned by the application.
struct ServiceContext
{
    Database *db = nullptr;          // not owned
    FileStore *files = nullptr;      // not owned
    AccountStore *accounts = nullptr; // not owned
    ServerConfig *config = nullptr;  // not owned
    const UpdateSigner *updateKey = nullptr; // not owned
};
