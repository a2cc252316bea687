#pragma once

#include "FBaseLogChain.h"

// Step 1: an access token for the maker's web service.
class FUserAccessTokenChain : public FBaseLogChain
{
    Q_OBJECT

public:
    explicit FUserAccessTokenChain(FLogRetrieval *owner);
    ~FUserAccessTokenChain() override;
    void ChianRequest() override;
};

// Step 2: mode 1 checks that this client is on the retrieval whitelist,
// mode 2 puts it there.
class FUserWhiteListChain : public FBaseLogChain
{
    Q_OBJECT

public:
    explicit FUserWhiteListChain(FLogRetrieval *owner);
    ~FUserWhiteListChain() override;
    void ChianRequest() override;

private:
    void checkWhitelist();
    void addWhitelist();
};

// Step 3: temporary storage credentials and the upload callback.
class FOssCredentialChain : public FBaseLogChain
{
    Q_OBJECT

public:
    explicit FOssCredentialChain(FLogRetrieval *owner);
    ~FOssCredentialChain() override;
    void ChianRequest() override;
};
