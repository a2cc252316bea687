#pragma once

#include <QString>
#include <QStringList>

// A black or white list of OpenCL devices: an XML file of <device name="..."/>
// entries below its root element. A device is on the list when one entry's
// name is a substring of the device name, compared without regard to case.
//
//   <opencl_black_list>
//     <device name="llvmpipe"/>
//   </opencl_black_list>
class FDeviceNameList
{
public:
    // A missing file is an empty list; a malformed one is an empty list
    // with the reason in error().
    bool load(const QString &path);

    bool contains(const QString &deviceName) const;
    const QStringList &names() const { return m_names; }
    const QString &error() const { return m_error; }

private:
    QStringList m_names;
    QString m_error;
};
