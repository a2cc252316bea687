<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>FAboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Tessaracorp. All rights reserved.</source>
        <translation>Copyright © %1 Tessaracorp. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>FAccountInfoDlg</name>
    <message>
        <source>Account</source>
        <translation type="unfinished">Compte</translation>
    </message>
    <message>
        <source>User ID: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effect Store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation type="unfinished">Se déconnecter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished">Fermer</translation>
    </message>
</context>
<context>
    <name>FActiveDeviceLimitHelper</name>
    <message>
        <source>Device Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your account is active on the maximum number of devices. Sign out on another device to use it here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FAudioEffectOverrideDialog</name>
    <message>
        <source>Applying this effect replaces the audio effects already on the selected clips. Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
    </message>
</context>
<context>
    <name>FAudioMixerDialog</name>
    <message>
        <source>Audio Mixer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished">Réinitialiser</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <source>%1 volume</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FCopyProxyFileDlg</name>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>Proxy copy progress</source>
        <translation>Copie des proxys</translation>
    </message>
    <message>
        <source>Copying file </source>
        <translation>Copie du fichier </translation>
    </message>
    <message>
        <source>copy files </source>
        <translation>la copie des fichiers </translation>
    </message>
    <message>
        <source> failed!</source>
        <translation> a échoué !</translation>
    </message>
</context>
<context>
    <name>FEffectInstallerCommunicatorHelper</name>
    <message>
        <source>Alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The install directory </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> has no permission.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FEmptyProjectWidget</name>
    <message>
        <source>Recent Project</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FExceptionFeedbackDialog</name>
    <message>
        <source>Problem Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation type="unfinished">Avis</translation>
    </message>
    <message>
        <source>Something went wrong. Tell us what you were doing so that we can fix it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tell us what you think or what went wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Describe the problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished">Envoyer</translation>
    </message>
    <message>
        <source>Please describe the problem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a valid e-mail address or leave it empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FExtractPackWaitingDialog</name>
    <message>
        <source>Wait a second, refreshing the category information.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FFeedBackDialog</name>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Tell us what you think</source>
        <translation>Dites-nous ce que vous en pensez</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Your feedback could not be saved.</source>
        <translation>Votre avis n&apos;a pas pu être enregistré.</translation>
    </message>
</context>
<context>
    <name>FForwardingStart</name>
    <message>
        <source>korvane: %1 could not be handed to the running editor (%2). Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the project &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the template &quot;%1&quot; (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the shared project &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the request to bring the editor to the front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the request %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the editor is not reachable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the editor does not take requests now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the editor did not answer in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the request is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FIPCLoginDialog</name>
    <message>
        <source>Log in</source>
        <translation type="unfinished">Se connecter</translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FLaunchTestDialog</name>
    <message>
        <source>Environment testing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FLoginAccountBtn</name>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Account Information</source>
        <translation>Informations du compte</translation>
    </message>
</context>
<context>
    <name>FLowerRequirementDlg</name>
    <message>
        <source>Your hardware is below our requirement, you can keep using the program but it may have a chance to freeze or lagged when you edit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Follow the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to enhance your preference.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Graphics Driver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always Ask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intel i3 or better multicore processor, 2GHz or above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 GB RAM (8GB required for HD and 4K videos).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intel HD Graphics 5000 or later;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NVIDIA GeForce GTX 700 or later;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMD Radeon R5 or later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 GB vRAM (4GB required for HD and 4K videos).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FManageEffectPacksDialog</name>
    <message>
        <source>Manage Effects</source>
        <translation>Gérer les effets</translation>
    </message>
    <message>
        <source>DELETE SELECTED</source>
        <translation>SUPPRIMER LA SÉLECTION</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
</context>
<context>
    <name>FManageEffectPacksPanel</name>
    <message>
        <source>Delete unused effects packs to free up disk space. You can download them again later from the Effects Store.</source>
        <translation>Supprimez les packs d&apos;effets inutilisés pour libérer de l&apos;espace disque. Vous pourrez les retélécharger depuis l&apos;Effects Store.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Installed effect packs</source>
        <translation>Packs d&apos;effets installés</translation>
    </message>
    <message>
        <source>Manage Effects</source>
        <translation>Gérer les effets</translation>
    </message>
    <message>
        <source>The effect Pack can&apos;t be deleted because it is opened in Korvane.</source>
        <translation>Ce pack d&apos;effets ne peut pas être supprimé car il est ouvert dans Korvane.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FMaskWidget</name>
    <message>
        <source>Close guide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FMatchProjectConfirmDlgPanel</name>
    <message>
        <source>The resolution or frame rate of the media does not match the current project settings. Do you want to change your project settings to match?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop asking for now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match To Media</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Project Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FMediaLibraryModel</name>
    <message>
        <source>missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FMediaLibraryView</name>
    <message>
        <source>Project Media</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import media files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Media Files...</source>
        <translation type="unfinished">Importer des fichiers multimédias...</translation>
    </message>
    <message>
        <source>Import a Media Folder...</source>
        <translation type="unfinished">Importer un dossier de médias...</translation>
    </message>
    <message>
        <source>Import from a Cloud Link...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search media</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation type="unfinished">Effacer la recherche</translation>
    </message>
    <message>
        <source>Project media</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import media files, or drop them here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from a Cloud Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download link of a shared file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not imported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files were not imported, e.g. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (new downloads)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FMediaPlayerModuleWidget</name>
    <message>
        <source>Player screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished">Arrêt</translation>
    </message>
    <message>
        <source>Next Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timecode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editing Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished">Édition</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="unfinished">Muet</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation type="unfinished">Capture d&apos;image</translation>
    </message>
    <message>
        <source>The snapshot could not be saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snapshot saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FMessageDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FNetworkProxySetting</name>
    <message>
        <source>Network Proxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Proxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SOCKS5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the proxy server&apos;s host name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FNothingFindWid</name>
    <message>
        <source>No results matched the searching keywords.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FPageNotices</name>
    <message>
        <source>Your computer seems to be offline,causing a connection error.Please check your connection and try again.</source>
        <translation>Votre ordinateur semble hors ligne. Vérifiez votre connexion et réessayez.</translation>
    </message>
</context>
<context>
    <name>FPathWritableCheckDlg</name>
    <message>
        <source>The program does not have write permission to the following directories.
Please select another directory to save:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
    </message>
</context>
<context>
    <name>FProductHomePage</name>
    <message>
        <source>Tessaracorp Korvane X</source>
        <translation>Tessaracorp Korvane X</translation>
    </message>
    <message>
        <source>Korvane X</source>
        <translation>Korvane X</translation>
    </message>
    <message>
        <source>Log in</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Check for Update</source>
        <translation>Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nouveau projet</translation>
    </message>
    <message>
        <source>Open Project...</source>
        <translation>Ouvrir un projet...</translation>
    </message>
    <message>
        <source>Recent Projects</source>
        <translation>Projets récents</translation>
    </message>
    <message>
        <source>No recent projects yet.
Create one to get started.</source>
        <translation>Aucun projet récent.
Créez-en un pour commencer.</translation>
    </message>
    <message>
        <source>Templates</source>
        <translation>Modèles</translation>
    </message>
    <message>
        <source>No templates available.</source>
        <translation>Aucun modèle disponible.</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>Découvrir</translation>
    </message>
    <message>
        <source>Search effects...</source>
        <translation>Rechercher des effets...</translation>
    </message>
    <message>
        <source>Search effects</source>
        <translation>Rechercher des effets</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Effacer la recherche</translation>
    </message>
    <message>
        <source>Browse Effects</source>
        <translation>Parcourir les effets</translation>
    </message>
    <message>
        <source>Tutorials</source>
        <translation>Tutoriels</translation>
    </message>
    <message>
        <source>Korvane Projects (*%1 *%2)</source>
        <translation>Projets Korvane (*%1 *%2)</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <source>Project does not exist: </source>
        <translation>Le projet n&apos;existe pas : </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>See all</source>
        <translation>Tout voir</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>Utiliser %1</translation>
    </message>
    <message>
        <source>See all like %1</source>
        <translation>Voir tout comme %1</translation>
    </message>
    <message>
        <source>Log in to your account</source>
        <translation>Connectez-vous à votre compte</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
</context>
<context>
    <name>FProductHomePagePresenter</name>
    <message>
        <source>Screen Recorder</source>
        <translation>Enregistreur d&apos;écran</translation>
    </message>
    <message>
        <source>Auto Captions</source>
        <translation>Sous-titres automatiques</translation>
    </message>
    <message>
        <source>Silence Detection</source>
        <translation>Détection des silences</translation>
    </message>
    <message>
        <source>AI Portrait</source>
        <translation>Portrait IA</translation>
    </message>
    <message>
        <source>Speed Ramp</source>
        <translation>Rampe de vitesse</translation>
    </message>
</context>
<context>
    <name>FProjectDocProxy</name>
    <message>
        <source>Korvane Projects (*%1 *%2)</source>
        <translation type="unfinished">Projets Korvane (*%1 *%2)</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation type="unfinished">Ouvrir un projet</translation>
    </message>
    <message>
        <source>Save Project As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished">Sans titre</translation>
    </message>
    <message>
        <source>Korvane Project Archives (*%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; has unsaved changes. Do you want to save them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished">Enregistrement</translation>
    </message>
    <message>
        <source>Don&apos;t Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
    </message>
</context>
<context>
    <name>FProjectOpenProblem</name>
    <message>
        <source>The project &quot;%1&quot; does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; is a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a Korvane project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project &quot;%1&quot; was made by a newer version of Korvane.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FProjectSettingsDialog</name>
    <message>
        <source>16:9 (Widescreen)</source>
        <translation type="unfinished">16:9 (Écran large)</translation>
    </message>
    <message>
        <source>4:3 (Standard)</source>
        <translation type="unfinished">4:3 (Standard)</translation>
    </message>
    <message>
        <source>1:1 (Square)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9:16 (Portrait)</source>
        <translation type="unfinished">9:16 (Portrait)</translation>
    </message>
    <message>
        <source>21:9 (Cinema)</source>
        <translation type="unfinished">21:9 (Cinéma)</translation>
    </message>
    <message>
        <source>4:5 (Social)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3:4 (Portrait)</source>
        <translation type="unfinished">9:16 (Portrait) {3:4 ?}</translation>
    </message>
    <message>
        <source>Project Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspect ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspect ratio:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These settings cannot be used for the project.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FProjectTemplateDownload</name>
    <message>
        <source>Please close the other window to continue downloading the project template.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading Project Template:</source>
        <translation>Téléchargement du modèle de projet :</translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project template download has failed, please try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FPropertyPanelModuleWidget</name>
    <message>
        <source>Resolution:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clip volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clip:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FQuickStartMgr</name>
    <message>
        <source>Import your media files here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag a file to the timeline to start editing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export your video when you are done.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FRecentProjectDialog</name>
    <message>
        <source>Recent Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent projects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project does not exist: </source>
        <translation type="unfinished">Le projet n&apos;existe pas : </translation>
    </message>
    <message>
        <source>has been saved</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FRecentProjectListItem</name>
    <message>
        <source>Remove from the list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FRecoveryPrompt</name>
    <message>
        <source>An automatic backup of a previous project has been detected. Would you like to use this backup file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
    </message>
    <message>
        <source>Disable GPU acceleration temporarily.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FSafeModeDlg</name>
    <message>
        <source>Please quit application and update your graphic driver to the latest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished">Quitter</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Please quit application and update your graphic driver to the latest.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update your driver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or, if you choose continue, you might experiece poor performance or instability.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FSettingDialogPrivate</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Editing</source>
        <translation>Montage</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Performances</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>ANNULER</translation>
    </message>
</context>
<context>
    <name>FSettingEditingPanel</name>
    <message>
        <source>Photo Duration:</source>
        <translation>Durée des photos :</translation>
    </message>
    <message>
        <source>Transition Duration:</source>
        <translation>Durée des transitions :</translation>
    </message>
    <message>
        <source>Effect Duration:</source>
        <translation>Durée des effets :</translation>
    </message>
    <message>
        <source>Freeze Duration:</source>
        <translation>Durée des arrêts sur image :</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Crop to Fit</source>
        <translation>Recadrer pour ajuster</translation>
    </message>
    <message>
        <source>Pan &amp; Zoom</source>
        <translation>Panoramique et zoom</translation>
    </message>
    <message>
        <source>Split a single track</source>
        <translation>Scinder une seule piste</translation>
    </message>
    <message>
        <source>Split all tracks</source>
        <translation>Scinder toutes les pistes</translation>
    </message>
    <message>
        <source>Default Duration:</source>
        <translation>Durée par défaut :</translation>
    </message>
    <message>
        <source>Timeline Edit:</source>
        <translation>Montage :</translation>
    </message>
    <message>
        <source>Snapshot Format:</source>
        <translation>Format des captures :</translation>
    </message>
    <message>
        <source>Photo Placement:</source>
        <translation>Placement des photos :</translation>
    </message>
    <message>
        <source>Insert Mode:</source>
        <translation>Mode d&apos;insertion :</translation>
    </message>
    <message>
        <source>Cursor jump method:</source>
        <translation>Saut du curseur :</translation>
    </message>
    <message>
        <source>Split Button:</source>
        <translation>Bouton Scinder :</translation>
    </message>
    <message>
        <source>Click on the blank area to jump to the cursor position</source>
        <translation>Cliquer sur une zone vide pour y placer le curseur</translation>
    </message>
    <message>
        <source>Show the split button on timeline playhead</source>
        <translation>Afficher le bouton Scinder sur la tête de lecture</translation>
    </message>
</context>
<context>
    <name>FSettingFolderPanel</name>
    <message>
        <source>Downloaded files:</source>
        <translation>Fichiers téléchargés :</translation>
    </message>
    <message>
        <source>Temporary files:</source>
        <translation>Fichiers temporaires :</translation>
    </message>
    <message>
        <source>Recorded files:</source>
        <translation>Fichiers enregistrés :</translation>
    </message>
    <message>
        <source>Recorded Audio:</source>
        <translation>Audio enregistré :</translation>
    </message>
    <message>
        <source>Uploaded files:</source>
        <translation>Fichiers mis en ligne :</translation>
    </message>
    <message>
        <source>Snapshot files:</source>
        <translation>Captures d&apos;image :</translation>
    </message>
    <message>
        <source>Cloud Project files:</source>
        <translation>Projets dans le cloud :</translation>
    </message>
    <message>
        <source>Download from other Apps:</source>
        <translation>Téléchargements d&apos;autres applis :</translation>
    </message>
    <message>
        <source>Effect packs:</source>
        <translation>Packs d&apos;effets :</translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation>Dossiers :</translation>
    </message>
    <message>
        <source>MANAGE</source>
        <translation>GÉRER</translation>
    </message>
    <message>
        <source>Manage effect packs</source>
        <translation>Gérer les packs d&apos;effets</translation>
    </message>
    <message>
        <source>The program cannot save files in &quot;%1&quot;. Please select another folder.</source>
        <translation>Le programme ne peut pas enregistrer de fichiers dans « %1 ». Veuillez choisir un autre dossier.</translation>
    </message>
</context>
<context>
    <name>FSettingGeneralPanel</name>
    <message>
        <source>Dark Mode</source>
        <translation>Mode sombre</translation>
    </message>
    <message>
        <source>Light Mode</source>
        <translation>Mode clair</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Réglage du système</translation>
    </message>
    <message>
        <source>Every Day</source>
        <translation>Chaque jour</translation>
    </message>
    <message>
        <source>Every Week</source>
        <translation>Chaque semaine</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>User Interface:</source>
        <translation>Interface :</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>Appearance:</source>
        <translation>Apparence :</translation>
    </message>
    <message>
        <source>Miscellaneous:</source>
        <translation>Divers :</translation>
    </message>
    <message>
        <source>Check for updates automatically:</source>
        <translation>Rechercher les mises à jour automatiquement :</translation>
    </message>
    <message>
        <source>Reset all program warnings:</source>
        <translation>Réinitialiser tous les avertissements :</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Message Center:</source>
        <translation>Centre de messages :</translation>
    </message>
    <message>
        <source>Don&apos;t show messages automatically</source>
        <translation>Ne pas afficher les messages automatiquement</translation>
    </message>
    <message>
        <source>Project Library Window at Startup:</source>
        <translation>Bibliothèque de projets au démarrage :</translation>
    </message>
    <message>
        <source>Show this Startup window when Korvane launches</source>
        <translation>Afficher cette fenêtre au démarrage de Korvane</translation>
    </message>
    <message>
        <source>Launch:</source>
        <translation>Lancement :</translation>
    </message>
    <message>
        <source>Launch Tessaracorp Velloq when Tessaracorp Korvane launches</source>
        <translation>Lancer Tessaracorp Velloq au démarrage de Tessaracorp Korvane</translation>
    </message>
    <message>
        <source>Improvement program</source>
        <translation>Programme d&apos;amélioration</translation>
    </message>
    <message>
        <source>Help us to improve Tessaracorp Korvane</source>
        <translation>Aidez-nous à améliorer Tessaracorp Korvane</translation>
    </message>
    <message>
        <source>Korvane will use the information collected only to enhance the user experience, improve, and enhance our new features.</source>
        <translation>Korvane utilisera les informations recueillies uniquement pour améliorer l&apos;expérience utilisateur et nos nouvelles fonctionnalités.</translation>
    </message>
    <message>
        <source>Read Our Privacy Policy</source>
        <translation>Lire notre politique de confidentialité</translation>
    </message>
    <message>
        <source>This page is not available: no web address is set up for it.</source>
        <translation>Cette page n&apos;est pas disponible : aucune adresse web n&apos;est configurée pour elle.</translation>
    </message>
    <message>
        <source>The privacy policy could not be opened in your web browser.</source>
        <translation>La politique de confidentialité n&apos;a pas pu être ouverte dans votre navigateur.</translation>
    </message>
</context>
<context>
    <name>FSettingGpuCheck</name>
    <message>
        <source>GPU environment detection is in progress, please wait.</source>
        <translation>Détection de l&apos;environnement GPU en cours, veuillez patienter.</translation>
    </message>
    <message>
        <source>GPU environment detection has been completed, please restart now to update related settings.</source>
        <translation>La détection GPU est terminée. Redémarrez maintenant pour appliquer les réglages.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Restart Later</source>
        <translation>Redémarrer plus tard</translation>
    </message>
</context>
<context>
    <name>FSettingPerformancePanel</name>
    <message>
        <source>1280 %1 720</source>
        <translation>1280 %1 720</translation>
    </message>
    <message>
        <source>1920 %1 1080</source>
        <translation>1920 %1 1080</translation>
    </message>
    <message>
        <source>3840 %1 2160</source>
        <translation>3840 %1 2160</translation>
    </message>
    <message>
        <source>GPU Acceleration:</source>
        <translation>Accélération GPU :</translation>
    </message>
    <message>
        <source>Proxy:</source>
        <translation>Proxy :</translation>
    </message>
    <message>
        <source>Preview Render:</source>
        <translation>Rendu d&apos;aperçu :</translation>
    </message>
    <message>
        <source>Render:</source>
        <translation>Rendu :</translation>
    </message>
    <message>
        <source>GPU Check</source>
        <translation>Vérification GPU</translation>
    </message>
    <message>
        <source>START</source>
        <translation>DÉMARRER</translation>
    </message>
    <message>
        <source>Start the GPU check</source>
        <translation>Démarrer la vérification GPU</translation>
    </message>
    <message>
        <source>Enable Hardware Acceleration for video rendering and playback</source>
        <translation>Activer l&apos;accélération matérielle pour le rendu et la lecture</translation>
    </message>
    <message>
        <source>Enable Hardware Acceleration for video decoding</source>
        <translation>Activer l&apos;accélération matérielle pour le décodage vidéo</translation>
    </message>
    <message>
        <source>Select the Graphics card in use:</source>
        <translation>Carte graphique utilisée :</translation>
    </message>
    <message>
        <source>Automatically create proxies when resolution is higher than:</source>
        <translation>Créer des proxys automatiquement au-delà de la résolution :</translation>
    </message>
    <message>
        <source>Proxy resolution</source>
        <translation>Résolution des proxys</translation>
    </message>
    <message>
        <source>Proxy location:</source>
        <translation>Dossier des proxys :</translation>
    </message>
    <message>
        <source>Automatically delete proxies when a project is closed.</source>
        <translation>Supprimer les proxys à la fermeture d&apos;un projet.</translation>
    </message>
    <message>
        <source>CLEAN</source>
        <translation>VIDER</translation>
    </message>
    <message>
        <source>Clean proxy files</source>
        <translation>Vider les fichiers proxy</translation>
    </message>
    <message>
        <source>Background render</source>
        <translation>Rendu en arrière-plan</translation>
    </message>
    <message>
        <source>Start after</source>
        <translation>Démarrer après</translation>
    </message>
    <message>
        <source>seconds_after</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Background render delay in seconds</source>
        <translation>Délai du rendu en arrière-plan en secondes</translation>
    </message>
    <message>
        <source>Preview Render files folder:</source>
        <translation>Dossier des fichiers de rendu :</translation>
    </message>
    <message>
        <source>Clean render files</source>
        <translation>Vider les fichiers de rendu</translation>
    </message>
    <message>
        <source>Automatically delete render file when closing a project file</source>
        <translation>Supprimer les fichiers de rendu à la fermeture d&apos;un projet</translation>
    </message>
    <message>
        <source>BROWSE</source>
        <translation>PARCOURIR</translation>
    </message>
    <message>
        <source>Browse: %1</source>
        <translation>Parcourir : %1</translation>
    </message>
    <message>
        <source>Playback with latest rendering engine for better performance.</source>
        <translation>Lire avec le dernier moteur de rendu pour de meilleures performances.</translation>
    </message>
    <message>
        <source>The new selected Graphics card will take effect after restart Korvane.</source>
        <translation>La carte graphique choisie sera utilisée après le redémarrage de Korvane.</translation>
    </message>
    <message>
        <source>The rendering engine has been updated. The update will take effect the next time you open Tessaracorp Korvane X.</source>
        <translation>Le moteur de rendu a été modifié. Le changement prendra effet au prochain lancement de Tessaracorp Korvane X.</translation>
    </message>
    <message>
        <source>Your GPU rendering and hardware decoding settings have been updated and will take effect the next time you open Tessaracorp Korvane.</source>
        <translation>Vos réglages de rendu GPU et de décodage matériel ont été modifiés et prendront effet au prochain lancement de Tessaracorp Korvane.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all proxy files?</source>
        <translation>Voulez-vous vraiment supprimer tous les fichiers proxy ?</translation>
    </message>
    <message>
        <source>Clean files</source>
        <translation>Le nettoyage des fichiers</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>a échoué</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all render files?</source>
        <translation>Voulez-vous vraiment supprimer tous les fichiers de rendu ?</translation>
    </message>
</context>
<context>
    <name>FSettingSavePanel</name>
    <message>
        <source>Save:</source>
        <translation>Enregistrement :</translation>
    </message>
    <message>
        <source>Back up my project every</source>
        <translation>Sauvegarder mon projet toutes les</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>Backup interval in minutes</source>
        <translation>Intervalle de sauvegarde en minutes</translation>
    </message>
    <message>
        <source>Backup Project file to:</source>
        <translation>Sauvegarder le projet dans :</translation>
    </message>
    <message>
        <source>Maximum backup file versions:</source>
        <translation>Nombre maximal de versions :</translation>
    </message>
    <message>
        <source>Default Project location:</source>
        <translation>Dossier des projets par défaut :</translation>
    </message>
    <message>
        <source>BROWSE</source>
        <translation>PARCOURIR</translation>
    </message>
    <message>
        <source>Browse: %1</source>
        <translation>Parcourir : %1</translation>
    </message>
</context>
<context>
    <name>FSharedProjectOpener</name>
    <message>
        <source>The shared project file &quot;%1&quot; cannot be read, so nothing was downloaded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FShortCutBaseInfoWid</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FShortCutItemWid</name>
    <message>
        <source>Shortcut of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FShortCutLineEidt</name>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Shortcut</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FShortCutSearchLineEdit</name>
    <message>
        <source>Search keyboard shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FShortcutSettingDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
    </message>
    <message>
        <source>Cannot Set Shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not all keys can be used in shortcuts.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FSilenceDetectionDialog</name>
    <message>
        <source>Detect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silence Detection</source>
        <translation type="unfinished">Détection des silences</translation>
    </message>
    <message>
        <source> dB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum silence length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silent stretches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project has no WAV audio to examine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n audio file(s) to examine.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished">Fermer</translation>
    </message>
    <message>
        <source>Volume threshold:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examining the audio...</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n silent stretch(es)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n silent stretch(es) found.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FSplashScreen</name>
    <message>
        <source>Version: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>© %1 Tessaracorp. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FSplitUnGroupDialog</name>
    <message>
        <source>The clip belongs to a group. Ungroup it to split it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember my choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ungroup</source>
        <translation type="unfinished">Dissocier</translation>
    </message>
    <message>
        <source>Keep Group</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FStartUpCrashRecord</name>
    <message>
        <source>The editor closed unexpectedly %1 times in a row while starting, each time during this start-up step: %2.
It starts in safe mode this time, with GPU acceleration off. You can switch it on again in the preferences.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FSurveyWindow</name>
    <message>
        <source>Korvane X survey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How likely are you to recommend Korvane X %1 to a friend?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FTavrinLoginPage</name>
    <message>
        <source>Log in</source>
        <translation type="unfinished">Se connecter</translation>
    </message>
    <message>
        <source>Log in to your account</source>
        <translation type="unfinished">Connectez-vous à votre compte</translation>
    </message>
    <message>
        <source>User name or e-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create an account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accounts are created on the account website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign-in failed. Check your user name and password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your user name and password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signing in...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FTavrinPageHost</name>
    <message>
        <source>This page opens in your web browser:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FTemplateModeMenu</name>
    <message>
        <source>Support center</source>
        <translation>Centre d&apos;assistance</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Check for Update</source>
        <translation>Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>Take the Survey</source>
        <translation>Répondre à l&apos;enquête</translation>
    </message>
    <message>
        <source>Account Information</source>
        <translation>Informations du compte</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Return to Startup window</source>
        <translation>Revenir à la fenêtre de démarrage</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>FTemplateView</name>
    <message>
        <source>Templates</source>
        <translation type="unfinished">Modèles</translation>
    </message>
    <message>
        <source>Choose a template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FTemplateViewPresenter</name>
    <message>
        <source>Blank Template</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FThirdPartyCloud</name>
    <message>
        <source>The link is not a web address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download folder &quot;%1&quot; cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download could not start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be downloaded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FTimelineClipModel</name>
    <message>
        <source>(missing medium)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1: %2  %3 - %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FTimelineExportStep</name>
    <message>
        <source>Please keep at least one clip in the selected range.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FTimelineModulePresenter</name>
    <message>
        <source>Custom Project Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place clips on the timeline before saving it as a template.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template folder %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template could not be saved to %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template was saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a clip on the timeline first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeze Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where should the frozen picture go?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On a New Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frame could not be frozen: the player shows no picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frame could not be frozen: %1 cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FTimelineModuleWidget</name>
    <message>
        <source>Add to Timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split</source>
        <translation type="unfinished">Scinder</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished">Supprimer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished">Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished">Rétablir</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playhead and duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a medium in the media library first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no clip under the playhead to split.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FTimelineTrackView</name>
    <message>
        <source>Track %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeline tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split at Playhead</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished">Supprimer</translation>
    </message>
</context>
<context>
    <name>FTimerDurationView</name>
    <message>
        <source>Frames</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Secondes</translation>
    </message>
    <message>
        <source>%1 unit</source>
        <translation>Unité de %1</translation>
    </message>
</context>
<context>
    <name>FUserAccountPages</name>
    <message>
        <source>Log In</source>
        <translation type="unfinished">Se connecter</translation>
    </message>
    <message>
        <source>Network Proxy...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
    </message>
    <message>
        <source>User name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your user name and password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login failed. Please check your user name and password and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FVideoTemplate</name>
    <message>
        <source>Undo</source>
        <translation type="unfinished">Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished">Rétablir</translation>
    </message>
    <message>
        <source>Template Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit in Timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame shape:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished">Sans titre</translation>
    </message>
    <message>
        <source>%1 x %2, %3 fps</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FVideoTemplatePresenter</name>
    <message>
        <source>Frame Shape</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IKvAccountService</name>
    <message>
        <source>Not signed in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IKvMediaLibrary</name>
    <message>
        <source>the file does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a supported media format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KorvaneMainForm</name>
    <message>
        <source>%1 was not downloaded. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-update Disabled</source>
        <translation>Mise à jour automatique désactivée</translation>
    </message>
    <message>
        <source>Check for updates is closed for this version, if you need to upgrade, please go to File-Preferences to open check for updates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>You can&apos;t quit Korvane directly right now, please close the popup window &quot;FX Editor&quot; first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have no resource in project, please import media files first.</source>
        <translation>Votre projet ne contient aucun média. Importez d&apos;abord des fichiers multimédias.</translation>
    </message>
    <message>
        <source>This computer does not meet the minimum requirements for running AI machine learning related features like Auto Reframe and AI Portrait. These features require Intel 6th Gen or newer CPU.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learn More</source>
        <translation>En savoir plus</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Put in some words</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KorvaneMenuBar</name>
    <message>
        <source>Menu Bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Vertical Screen Layout</source>
        <translation>Disposition verticale</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nouveau projet</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Ouvrir un fichier récent</translation>
    </message>
    <message>
        <source>Import Media</source>
        <translation>Importer des médias</translation>
    </message>
    <message>
        <source>Import from other Apps</source>
        <translation>Importer depuis d&apos;autres applis</translation>
    </message>
    <message>
        <source>Record Media</source>
        <translation>Enregistrer des médias</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Trim</source>
        <translation>Rogner</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
</context>
<context>
    <name>KorvanePageMgr</name>
    <message>
        <source>Please close current project and open another project again after back to homepage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KorvaneTitleBar</name>
    <message>
        <source>Korvane</source>
        <translation>Korvane</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>More Menus</source>
        <translation>Autres menus</translation>
    </message>
</context>
<context>
    <name>KorvaneTitleBarPresenter</name>
    <message>
        <source>Saved!</source>
        <translation>Enregistré !</translation>
    </message>
    <message>
        <source>Your computer seems to be offline,causing a connection error.Please check your connection and try again.</source>
        <translation>Votre ordinateur semble hors ligne. Vérifiez votre connexion et réessayez.</translation>
    </message>
    <message>
        <source>%1 could not be opened. No program on this computer opened &quot;%2&quot;.</source>
        <translation>%1 n&apos;a pas pu être ouvert. Aucun programme de cet ordinateur n&apos;a ouvert « %2 ».</translation>
    </message>
    <message>
        <source>This page is not available: no web address is set up for it.</source>
        <translation>Cette page n&apos;est pas disponible : aucune adresse web n&apos;est configurée pour elle.</translation>
    </message>
    <message>
        <source>The web page</source>
        <translation>La page web</translation>
    </message>
    <message>
        <source>The log folder</source>
        <translation>Le dossier des journaux</translation>
    </message>
</context>
<context>
    <name>KorvaneTitleToolButtonWdg</name>
    <message>
        <source>Get Creative</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>Support Center</source>
        <translation>Centre d&apos;assistance</translation>
    </message>
    <message>
        <source>Cloud Management</source>
        <translation>Gestion du cloud</translation>
    </message>
    <message>
        <source>Download more effects from Korvane Effects Store.</source>
        <translation>Téléchargez d&apos;autres effets sur le Korvane Effects Store.</translation>
    </message>
    <message>
        <source>Message Center</source>
        <translation>Centre de messages</translation>
    </message>
    <message>
        <source>Change Skin</source>
        <translation>Changer d&apos;apparence</translation>
    </message>
</context>
<context>
    <name>KvActionManager</name>
    <message>
        <source>16:9 (Widescreen)</source>
        <translation>16:9 (Écran large)</translation>
    </message>
    <message>
        <source>9:16 (Portrait)</source>
        <translation>9:16 (Portrait)</translation>
    </message>
    <message>
        <source>1:1 (Instagram)</source>
        <translation>1:1 (Instagram)</translation>
    </message>
    <message>
        <source>4:5 (Social Media)</source>
        <translation>4:5 (Réseaux sociaux)</translation>
    </message>
    <message>
        <source>4:3 (Standard)</source>
        <translation>4:3 (Standard)</translation>
    </message>
    <message>
        <source>21:9 (Cinema)</source>
        <translation>21:9 (Cinéma)</translation>
    </message>
    <message>
        <source>Custom Aspect Ratio...</source>
        <translation>Format personnalisé...</translation>
    </message>
    <message>
        <source>Open Project...</source>
        <translation>Ouvrir un projet...</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>Save Project As...</source>
        <translation>Enregistrer le projet sous...</translation>
    </message>
    <message>
        <source>Archive Project...</source>
        <translation>Archiver le projet...</translation>
    </message>
    <message>
        <source>Save as Custom Project Template</source>
        <translation>Enregistrer comme modèle de projet</translation>
    </message>
    <message>
        <source>Project Settings...</source>
        <translation>Paramètres du projet...</translation>
    </message>
    <message>
        <source>Import Media Files...</source>
        <translation>Importer des fichiers multimédias...</translation>
    </message>
    <message>
        <source>Import a Media Folder...</source>
        <translation>Importer un dossier de médias...</translation>
    </message>
    <message>
        <source>Import Screen Recordings...</source>
        <translation>Importer des enregistrements d&apos;écran...</translation>
    </message>
    <message>
        <source>Import Webcam Recordings...</source>
        <translation>Importer des enregistrements webcam...</translation>
    </message>
    <message>
        <source>Import with Auto Highlight...</source>
        <translation>Importer avec Temps forts auto...</translation>
    </message>
    <message>
        <source>Import from a Photo Library...</source>
        <translation>Importer depuis une photothèque...</translation>
    </message>
    <message>
        <source>Import from a Music Library...</source>
        <translation>Importer depuis une bibliothèque musicale...</translation>
    </message>
    <message>
        <source>Import from a Cloud Drive...</source>
        <translation>Importer depuis un stockage cloud...</translation>
    </message>
    <message>
        <source>Record from Webcam</source>
        <translation>Enregistrer avec la webcam</translation>
    </message>
    <message>
        <source>Record PC Screen</source>
        <translation>Enregistrer l&apos;écran du PC</translation>
    </message>
    <message>
        <source>Record Voice Over</source>
        <translation>Enregistrer une voix off</translation>
    </message>
    <message>
        <source>Render Preview</source>
        <translation>Rendre l&apos;aperçu</translation>
    </message>
    <message>
        <source>Clean Render Cache</source>
        <translation>Vider le cache de rendu</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Préférences...</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts...</source>
        <translation>Raccourcis clavier...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Back to Start Page</source>
        <translation>Retour à la page d&apos;accueil</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Ripple Delete</source>
        <translation>Supprimer et combler</translation>
    </message>
    <message>
        <source>Close Gap</source>
        <translation>Combler le vide</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Copy Effects</source>
        <translation>Copier les effets</translation>
    </message>
    <message>
        <source>Paste Effects</source>
        <translation>Coller les effets</translation>
    </message>
    <message>
        <source>Remove All Effects</source>
        <translation>Retirer tous les effets</translation>
    </message>
    <message>
        <source>Disable Effects</source>
        <translation>Désactiver les effets</translation>
    </message>
    <message>
        <source>Save Effects as Preset...</source>
        <translation>Enregistrer les effets comme préréglage...</translation>
    </message>
    <message>
        <source>Edit Properties</source>
        <translation>Modifier les propriétés</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Scinder</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Capture d&apos;image</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grouper</translation>
    </message>
    <message>
        <source>Ungroup</source>
        <translation>Dissocier</translation>
    </message>
    <message>
        <source>Freeze Frame...</source>
        <translation>Arrêt sur image...</translation>
    </message>
    <message>
        <source>Create Proxy File</source>
        <translation>Créer un fichier proxy</translation>
    </message>
    <message>
        <source>Scene Detection</source>
        <translation>Détection de scènes</translation>
    </message>
    <message>
        <source>Auto Highlight</source>
        <translation>Temps forts auto</translation>
    </message>
    <message>
        <source>Auto Reframe</source>
        <translation>Recadrage automatique</translation>
    </message>
    <message>
        <source>Silence Detection...</source>
        <translation>Détection des silences...</translation>
    </message>
    <message>
        <source>Speech to Text...</source>
        <translation>Transcription...</translation>
    </message>
    <message>
        <source>Beat Detection</source>
        <translation>Détection du rythme</translation>
    </message>
    <message>
        <source>Modify Beat Information...</source>
        <translation>Modifier les informations de rythme...</translation>
    </message>
    <message>
        <source>Crop and Zoom...</source>
        <translation>Recadrer et zoomer...</translation>
    </message>
    <message>
        <source>Crop to Fit</source>
        <translation>Recadrer pour ajuster</translation>
    </message>
    <message>
        <source>Rotate 90 CW</source>
        <translation>Rotation 90° horaire</translation>
    </message>
    <message>
        <source>Rotate 90 CCW</source>
        <translation>Rotation 90° antihoraire</translation>
    </message>
    <message>
        <source>Stabilization</source>
        <translation>Stabilisation</translation>
    </message>
    <message>
        <source>Chroma Key</source>
        <translation>Incrustation chromatique</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <translation>Mosaïque</translation>
    </message>
    <message>
        <source>Motion Tracking</source>
        <translation>Suivi de mouvement</translation>
    </message>
    <message>
        <source>Lens Correction</source>
        <translation>Correction d&apos;objectif</translation>
    </message>
    <message>
        <source>Detach Audio</source>
        <translation>Détacher l&apos;audio</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Audio Ducking</source>
        <translation>Atténuation audio</translation>
    </message>
    <message>
        <source>Color Correction</source>
        <translation>Correction colorimétrique</translation>
    </message>
    <message>
        <source>Color Match</source>
        <translation>Correspondance des couleurs</translation>
    </message>
    <message>
        <source>Add Keyframe</source>
        <translation>Ajouter une image clé</translation>
    </message>
    <message>
        <source>Keyframe Animation...</source>
        <translation>Animation par images clés...</translation>
    </message>
    <message>
        <source>Uniform Speed...</source>
        <translation>Vitesse uniforme...</translation>
    </message>
    <message>
        <source>Speed Ramping...</source>
        <translation>Rampe de vitesse...</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>Trim Start to Playhead</source>
        <translation>Rogner le début jusqu&apos;à la tête de lecture</translation>
    </message>
    <message>
        <source>Trim End to Playhead</source>
        <translation>Rogner la fin depuis la tête de lecture</translation>
    </message>
    <message>
        <source>Export Video...</source>
        <translation>Exporter la vidéo...</translation>
    </message>
    <message>
        <source>Export Selected Range...</source>
        <translation>Exporter la plage sélectionnée...</translation>
    </message>
    <message>
        <source>Export Selected Clips...</source>
        <translation>Exporter les clips sélectionnés...</translation>
    </message>
    <message>
        <source>Export with Last Settings...</source>
        <translation>Exporter avec les derniers réglages...</translation>
    </message>
    <message>
        <source>Export to a Device...</source>
        <translation>Exporter vers un appareil...</translation>
    </message>
    <message>
        <source>Upload to YouTube...</source>
        <translation>Publier sur YouTube...</translation>
    </message>
    <message>
        <source>Upload to Vimeo...</source>
        <translation>Publier sur Vimeo...</translation>
    </message>
    <message>
        <source>Burn to DVD...</source>
        <translation>Graver sur DVD...</translation>
    </message>
    <message>
        <source>Export as GIF...</source>
        <translation>Exporter en GIF...</translation>
    </message>
    <message>
        <source>Online Help</source>
        <translation>Aide en ligne</translation>
    </message>
    <message>
        <source>Product FAQ</source>
        <translation>FAQ du produit</translation>
    </message>
    <message>
        <source>Technical Support</source>
        <translation>Assistance technique</translation>
    </message>
    <message>
        <source>Report a Problem...</source>
        <translation>Signaler un problème...</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>Guide de démarrage rapide</translation>
    </message>
    <message>
        <source>Activation FAQ</source>
        <translation>FAQ d&apos;activation</translation>
    </message>
    <message>
        <source>Log In...</source>
        <translation>Se connecter...</translation>
    </message>
    <message>
        <source>Manage Account</source>
        <translation>Gérer le compte</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Network Proxy Settings...</source>
        <translation>Paramètres du proxy réseau...</translation>
    </message>
    <message>
        <source>New Features</source>
        <translation>Nouveautés</translation>
    </message>
    <message>
        <source>Log Files</source>
        <translation>Fichiers journaux</translation>
    </message>
    <message>
        <source>YouTube Channel</source>
        <translation>Chaîne YouTube</translation>
    </message>
    <message>
        <source>Follow Us on Facebook</source>
        <translation>Suivez-nous sur Facebook</translation>
    </message>
    <message>
        <source>Follow Us on Twitter</source>
        <translation>Suivez-nous sur Twitter</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Page du produit</translation>
    </message>
    <message>
        <source>Guided Walkthrough</source>
        <translation>Visite guidée</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Video Tutorials</source>
        <translation>Tutoriels vidéo</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>Centre d&apos;aide</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Quoi de neuf</translation>
    </message>
    <message>
        <source>Send Feedback...</source>
        <translation>Envoyer un avis...</translation>
    </message>
    <message>
        <source>Release Notes</source>
        <translation>Notes de version</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Ouvrir le dossier des journaux</translation>
    </message>
    <message>
        <source>Follow Us on Instagram</source>
        <translation>Suivez-nous sur Instagram</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Full Screen/Restore</source>
        <translation>Plein écran/Restaurer</translation>
    </message>
    <message>
        <source>Add Marker</source>
        <translation>Ajouter un marqueur</translation>
    </message>
</context>
<context>
    <name>KvAudioRecordView</name>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute the timeline while recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Voiceover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording folder cannot be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished">Arrêt</translation>
    </message>
    <message>
        <source>The recording could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvCloudDiskView</name>
    <message>
        <source>Cloud Storage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cloud storage is not available on this installation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished">Fermer</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signed in as %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvCloudDiskViewPresenter</name>
    <message>
        <source>The shared project template has no usable name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No share server is configured, so the shared project cannot be downloaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared project cannot be downloaded: the share address is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The shared project could not be downloaded. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvFramelessDialog</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>KvIPCWidget</name>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page is unavailable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page is unavailable here; it is shown in a window of its own.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvMediaLibrary</name>
    <message>
        <source>Remove Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Media</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no project is open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvMediaLibraryPresenter</name>
    <message>
        <source>not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder holds no media files that can be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a Media Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Media Files (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Media Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select media in the library first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvMediaLibraryUtils</name>
    <message>
        <source>Subtitle Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvMediaProbe</name>
    <message>
        <source>Video</source>
        <translation type="unfinished">Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished">Audio</translation>
    </message>
    <message>
        <source>Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvOpenFileLineEdit</name>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Browse: %1</source>
        <translation>Parcourir : %1</translation>
    </message>
</context>
<context>
    <name>KvProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
    </message>
</context>
<context>
    <name>KvShortcutCommands</name>
    <message>
        <source>File</source>
        <translation type="unfinished">Fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished">Édition</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished">Outils</translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished">Affichage</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+Left Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+Mouse Drag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ESC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+Scroll Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+Scroll Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvShortcutConflictRules</name>
    <message>
        <source>Conflicting Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot; shortcut is already assigned to the &quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot; command. Do you wish to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvSpeechLanguages</name>
    <message>
        <source>English (United States)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English (United Kingdom)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvSpeechServiceDialog</name>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech jobs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech to text jobs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to speech jobs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech to Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to Speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech tasks are still running. Do you want to stop them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
    </message>
    <message>
        <source>Job %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job %1: %2 - %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvSpeechServicePresenter</name>
    <message>
        <source>Speech to Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvSpeechToTextParamDialog</name>
    <message>
        <source>Selected clips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected timeline range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech to Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language:</source>
        <translation type="unfinished">Langue :</translation>
    </message>
    <message>
        <source>Transcribe:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvSplitScreenFloatingWidget</name>
    <message>
        <source>Side by Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top and Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four Cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvTabFramelessDialog</name>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
</context>
<context>
    <name>KvTextFloatingAdjustWidget</name>
    <message>
        <source>Edit Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smaller Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Larger Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Text Item</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvTextToSpeechParamDialog</name>
    <message>
        <source>Apply to all selected text clips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to Speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Annuler</translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language:</source>
        <translation type="unfinished">Langue :</translation>
    </message>
    <message>
        <source>Voice:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvTimeline</name>
    <message>
        <source>Add Clip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Clip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clip Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim Clip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split Clip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Clip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Clips</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KvTopLevelWindowTitleBar</name>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
</context>
<context>
    <name>KvWebcamRecordView</name>
    <message>
        <source>Record Webcam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording could not be saved in %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LineEditWithClearBtn</name>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Recording failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen Recorder</source>
        <translation type="unfinished">Enregistreur d&apos;écran</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished">Quitter</translation>
    </message>
</context>
</TS>
