#pragma once

// Told by a table when records change, so that what was derived from them can be refreshed.
class RecordListener {
public:
    virtual ~RecordListener() = default;
    virtual void recordChanged(int recNo) = 0;
    virtual void recordsReset() = 0; // opened, closed or emptied
    virtual void tableGone() {}      // the table is destroyed: never to be called again
};
