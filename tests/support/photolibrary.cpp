#include "photolibrary.h"

#include "sqlliteral.h"

namespace testsupport
{
    namespace
    {
        const char *const Domain = "CameraRollDomain";
    }

    std::string photoLibrarySql(PhotoSchema schema, const std::vector<CameraRollAsset> &assets)
    {
        const std::string table = schema == PhotoSchema::Newer ? "ZASSET" : "ZGENERICASSET";
        std::string sql = "CREATE TABLE " + table +
                          " (Z_PK INTEGER PRIMARY KEY, ZDIRECTORY VARCHAR, ZFILENAME VARCHAR, ZSORTTOKEN FLOAT,"
                          " ZSAVEDASSETTYPE INTEGER, ZKINDSUBTYPE INTEGER, ZKIND INTEGER, ZTRASHEDDATE TIMESTAMP,"
                          " ZFAVORITE INTEGER, ZDURATION FLOAT);";
        for (const CameraRollAsset &asset : assets) {
            sql += "INSERT INTO " + table +
                   " (ZDIRECTORY, ZFILENAME, ZSORTTOKEN, ZSAVEDASSETTYPE, ZKINDSUBTYPE, ZKIND, ZFAVORITE, ZDURATION)"
                   " VALUES (" + sqlText(asset.directory) + ", " + sqlText(asset.name) + ", " +
                   std::to_string(asset.sortToken) + ", 3, 0, " + std::to_string(asset.kind) + ", 0, " +
                   (asset.kind == 1 ? "2.5" : "0") + ");";
        }
        return sql;
    }

    std::string addPhotoLibrary(BackupBuilder &backup, PhotoSchema schema, const std::vector<CameraRollAsset> &assets)
    {
        for (const CameraRollAsset &asset : assets) {
            if (asset.content)
                backup.addFile(Domain, "Media/" + asset.directory + "/" + asset.name, *asset.content);
            if (asset.thumbnail)
                backup.addFile(Domain,
                               "Media/PhotoData/Thumbnails/V2/" + asset.directory + "/" + asset.name + "/5005.JPG",
                               *asset.thumbnail);
        }
        return backup.pathOf(backup.addDatabase(Domain, "Media/PhotoData/Photos.sqlite", photoLibrarySql(schema, assets)));
    }

    std::string cameraRollContentId(const CameraRollAsset &asset)
    {
        return fileIdOf(Domain, "Media/" + asset.directory + "/" + asset.name);
    }

    std::string cameraRollThumbnailId(const CameraRollAsset &asset)
    {
        return fileIdOf(Domain, "Media/PhotoData/Thumbnails/V2/" + asset.directory + "/" + asset.name + "/5005.JPG");
    }
}
