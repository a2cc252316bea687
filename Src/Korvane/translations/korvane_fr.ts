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
            <translation>Votre avis n'a pas pu être enregistré.</translation>
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
            <translation>Supprimez les packs d'effets inutilisés pour libérer de l'espace disque. Vous pourrez les retélécharger depuis l'Effects Store.</translation>
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
            <translation>Packs d'effets installés</translation>
        </message>
        <message>
            <source>Manage Effects</source>
            <translation>Gérer les effets</translation>
        </message>
        <message>
            <source>The effect Pack can't be deleted because it is opened in Korvane.</source>
            <translation>Ce pack d'effets ne peut pas être supprimé car il est ouvert dans Korvane.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
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
            <translation>Le projet n'existe pas : </translation>
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
            <translation>Enregistreur d'écran</translation>
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
        <name>FProjectTemplateDownload</name>
        <message>
            <source>Please close the other window to continue downloading the project template.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Downloading Project Template:</source>
            <translation>Téléchargement du modèle de projet :</translation>
        </message>
        <message>
            <source>None</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>The project template download has failed, please try again.</source>
            <translation type="unfinished" />
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
            <translation>Mode d'insertion :</translation>
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
            <translation>Captures d'image :</translation>
        </message>
        <message>
            <source>Cloud Project files:</source>
            <translation>Projets dans le cloud :</translation>
        </message>
        <message>
            <source>Download from other Apps:</source>
            <translation>Téléchargements d'autres applis :</translation>
        </message>
        <message>
            <source>Effect packs:</source>
            <translation>Packs d'effets :</translation>
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
            <translation>Gérer les packs d'effets</translation>
        </message>
        <message>
            <source>The program cannot save files in "%1". Please select another folder.</source>
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
            <source>Don't show messages automatically</source>
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
            <translation>Programme d'amélioration</translation>
        </message>
        <message>
            <source>Help us to improve Tessaracorp Korvane</source>
            <translation>Aidez-nous à améliorer Tessaracorp Korvane</translation>
        </message>
        <message>
            <source>Korvane will use the information collected only to enhance the user experience, improve, and enhance our new features.</source>
            <translation>Korvane utilisera les informations recueillies uniquement pour améliorer l'expérience utilisateur et nos nouvelles fonctionnalités.</translation>
        </message>
        <message>
            <source>Read Our Privacy Policy</source>
            <translation>Lire notre politique de confidentialité</translation>
        </message>
        <message>
            <source>This page is not available: no web address is set up for it.</source>
            <translation>Cette page n'est pas disponible : aucune adresse web n'est configurée pour elle.</translation>
        </message>
        <message>
            <source>The privacy policy could not be opened in your web browser.</source>
            <translation>La politique de confidentialité n'a pas pu être ouverte dans votre navigateur.</translation>
        </message>
    </context>
    <context>
        <name>FSettingGpuCheck</name>
        <message>
            <source>GPU environment detection is in progress, please wait.</source>
            <translation>Détection de l'environnement GPU en cours, veuillez patienter.</translation>
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
            <translation>Rendu d'aperçu :</translation>
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
            <translation>Activer l'accélération matérielle pour le rendu et la lecture</translation>
        </message>
        <message>
            <source>Enable Hardware Acceleration for video decoding</source>
            <translation>Activer l'accélération matérielle pour le décodage vidéo</translation>
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
            <translation>Supprimer les proxys à la fermeture d'un projet.</translation>
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
            <translation>Supprimer les fichiers de rendu à la fermeture d'un projet</translation>
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
            <source>The shared project file "%1" cannot be read, so nothing was downloaded.</source>
            <translation type="unfinished" />
        </message>
    </context>
    <context>
        <name>FTemplateModeMenu</name>
        <message>
            <source>Support center</source>
            <translation>Centre d'assistance</translation>
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
            <translation>Répondre à l'enquête</translation>
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
        <name>FTimelineExportStep</name>
        <message>
            <source>Please keep at least one clip in the selected range.</source>
            <translation type="unfinished" />
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
        <name>KorvaneMainForm</name>
        <message>
            <source>%1 was not downloaded. %2</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Auto-update Disabled</source>
            <translation>Mise à jour automatique désactivée</translation>
        </message>
        <message>
            <source>Check for updates is closed for this version, if you need to upgrade, please go to File-Preferences to open check for updates.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>Untitled</source>
            <translation>Sans titre</translation>
        </message>
        <message>
            <source>You can't quit Korvane directly right now, please close the popup window "FX Editor" first.</source>
            <translation type="unfinished" />
        </message>
        <message>
            <source>You have no resource in project, please import media files first.</source>
            <translation>Votre projet ne contient aucun média. Importez d'abord des fichiers multimédias.</translation>
        </message>
        <message>
            <source>This computer does not meet the minimum requirements for running AI machine learning related features like Auto Reframe and AI Portrait. These features require Intel 6th Gen or newer CPU.</source>
            <translation type="unfinished" />
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
            <translation type="unfinished" />
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
            <translation>Importer depuis d'autres applis</translation>
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
            <translation type="unfinished" />
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
            <source>%1 could not be opened. No program on this computer opened "%2".</source>
            <translation>%1 n'a pas pu être ouvert. Aucun programme de cet ordinateur n'a ouvert « %2 ».</translation>
        </message>
        <message>
            <source>This page is not available: no web address is set up for it.</source>
            <translation>Cette page n'est pas disponible : aucune adresse web n'est configurée pour elle.</translation>
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
            <translation>Centre d'assistance</translation>
        </message>
        <message>
            <source>Cloud Management</source>
            <translation>Gestion du cloud</translation>
        </message>
        <message>
            <source>Download more effects from Korvane Effects Store.</source>
            <translation>Téléchargez d'autres effets sur le Korvane Effects Store.</translation>
        </message>
        <message>
            <source>Message Center</source>
            <translation>Centre de messages</translation>
        </message>
        <message>
            <source>Change Skin</source>
            <translation>Changer d'apparence</translation>
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
        <name>KvTabFramelessDialog</name>
        <message>
            <source>Pages</source>
            <translation>Pages</translation>
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
            <translation>Importer des enregistrements d'écran...</translation>
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
            <translation>Enregistrer l'écran du PC</translation>
        </message>
        <message>
            <source>Record Voice Over</source>
            <translation>Enregistrer une voix off</translation>
        </message>
        <message>
            <source>Render Preview</source>
            <translation>Rendre l'aperçu</translation>
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
            <translation>Retour à la page d'accueil</translation>
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
            <translation>Capture d'image</translation>
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
            <translation>Correction d'objectif</translation>
        </message>
        <message>
            <source>Detach Audio</source>
            <translation>Détacher l'audio</translation>
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
            <translation>Rogner le début jusqu'à la tête de lecture</translation>
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
            <translation>FAQ d'activation</translation>
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
            <translation>Guide de l'utilisateur</translation>
        </message>
        <message>
            <source>Video Tutorials</source>
            <translation>Tutoriels vidéo</translation>
        </message>
        <message>
            <source>Help Center</source>
            <translation>Centre d'aide</translation>
        </message>
        <message>
            <source>What's New</source>
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
</TS>
