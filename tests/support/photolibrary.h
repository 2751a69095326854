#pragma once

// The camera roll's photo library (Photos.sqlite) in either schema, for
// tests and the sample: the database at its fixed backup place, and each
// asset's content and thumbnail where the camera roll keeps them.

#include "backupbuilder.h"

#include <optional>
#include <string>
#include <vector>

namespace testsupport
{
    enum class PhotoSchema
    {
        Older, // ZGENERICASSET
        Newer  // ZASSET
    };

    struct CameraRollAsset
    {
        std::string directory; // e.g. DCIM/100APPLE
        std::string name;
        double sortToken = 0;  // seconds since 2001-01-01
        int kind = 0;          // 0 photo, 1 video
        std::optional<std::string> content;   // the file, when backed up
        std::optional<std::string> thumbnail; // its 5005.JPG, when backed up
    };

    // SQL that creates the asset table of a schema and inserts the assets.
    std::string photoLibrarySql(PhotoSchema schema, const std::vector<CameraRollAsset> &assets);

    // Adds Photos.sqlite and the assets' files to a backup; returns the
    // library's local path.
    std::string addPhotoLibrary(BackupBuilder &backup, PhotoSchema schema, const std::vector<CameraRollAsset> &assets);

    // Where a backup keeps an asset's content and thumbnail (file ids).
    std::string cameraRollContentId(const CameraRollAsset &asset);
    std::string cameraRollThumbnailId(const CameraRollAsset &asset);
}
